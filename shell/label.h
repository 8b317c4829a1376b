// A line of static text that draws itself: its background colour, then its text.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

namespace shell {

class Label : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
  Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

 public:
  explicit Label(QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);
  QColor textColor() const { return textColor_; }
  void setTextColor(const QColor& colour);

  // Without a background colour of its own the label fills with the window's.
  void setBackground(const QColor& colour);
  void setCentred(bool centred);
  // Breaks the text between words onto lines from the top, instead of one centred line.
  void setWordWrap(bool wrap);
  void setThinBorder(bool border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor textColor_ = Qt::black;
  std::optional<QColor> background_;
  bool centred_ = false;
  bool wordWrap_ = false;
  bool thinBorder_ = false;
};

}  // namespace shell
