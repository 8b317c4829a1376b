// A seeded random user on the real window: keys of every kind, input-method commits, clicks on
// every control, pastes of odd and huge texts, mouse moves and combo box picks, with the window's
// invariants checked after each event.
//
// Replay a failure with the seed it prints: PARVELL_MONKEY_SEED=<seed> monkey_test
// PARVELL_MONKEY_EVENTS sets the number of events (default 100000).
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "numtext/rewrite.h"
#include "shell/edit_box.h"
#include "tests/reliability/number_shape.h"
#include "tests/reliability/random_text.h"
#include "tests/shell/window_fixture.h"

namespace shell {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261211;
constexpr long kDefaultEvents = 100000;
// One paste in this many is about a megabyte long.
constexpr unsigned kHugePasteOdds = 1000;
constexpr std::size_t kEventsShownOnFailure = 12;
// One hover in this many waits longer than the balloon tips' delay of 600 ms.
constexpr unsigned kRestOdds = 100;
constexpr int kRestMs = 700;

constexpr std::array kRadioGroup = {"单选框1", "单选框2", "单选框3", "单选框5"};
constexpr std::array kReadOnlyBoxes = {"编辑框3涨跌停计算3", "编辑框_总持仓", "编辑框_均价MY"};
constexpr std::array kOutputs = {
    "编辑框3涨跌停计算3", "编辑框_总持仓", "编辑框_均价MY", "标签17", "标签18", "标签20"};

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* name;
};

// Escape closes the window and is left out; so is every Alt combination (Alt+F4).
const Key kControlKeys[] = {
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Backtab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Insert, Qt::NoModifier, "Insert"},
    {Qt::Key_F4, Qt::NoModifier, "F4"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
    {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Right"},
};

// The characters a user types most into number boxes, then any printable ASCII.
constexpr char kNumberCharacters[] = "0123456789-.";

QString Printable(QString text) {
  for (QChar& c : text) {
    if (c.unicode() < 0x20 || (c.unicode() >= 0xD800 && c.unicode() < 0xE000)) {
      c = QChar(u'·');
    }
  }
  return text.size() > 40 ? text.left(40) + QStringLiteral("…(%1 chars)").arg(text.size()) : text;
}

// A key press and release carrying `text`, with the key code a keyboard would give for it.
void TypeKey(QWidget* target, const QString& text) {
  const char16_t c = text.isEmpty() ? 0 : text.front().toUpper().unicode();
  const auto key = c >= 0x20 && c < 0x7F ? static_cast<Qt::Key>(c) : Qt::Key_unknown;
  QTest::sendKeyEvent(QTest::Click, target, key, text, Qt::NoModifier);
}

class MonkeyTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    for (QWidget* widget : Window().findChildren<QWidget*>()) {
      if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") &&
          widget->isVisible()) {
        controls_.push_back(widget);
        if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
          buttons_.push_back(widget);
        }
        if (auto* box = qobject_cast<QLineEdit*>(widget); box != nullptr && !box->isReadOnly()) {
          inputBoxes_.push_back(widget);
        }
      }
    }
  }

  // One random event; returns whether it may have run an operation: a click on a button, or a
  // key aimed at one.
  bool Act(std::mt19937_64& random) {
    QWidget* target =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Window();
    const bool atButton = qobject_cast<QAbstractButton*>(target) != nullptr;
    const auto roll = random() % 100;
    if (roll < 12) {
      const char c = random() % 2 == 0
                         ? kNumberCharacters[random() % (sizeof kNumberCharacters - 1)]
                         : static_cast<char>(0x20 + random() % 95);
      Log(QStringLiteral("type '%1'").arg(QChar(c)));
      TypeKey(target, QString(QChar(c)));
    } else if (roll < 32) {
      // A user clicks into a box and types a number there.
      QWidget* box = inputBoxes_[random() % inputBoxes_.size()];
      const QString number = reliability::RandomNumberText(random);
      Log("click " + box->objectName() + " and type " + number);
      QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
      for (const QChar c : number) {
        TypeKey(box, QString(c));
      }
      return false;
    } else if (roll < 45) {
      const Key& key = kControlKeys[random() % std::size(kControlKeys)];
      Log(QString::fromUtf8(key.name));
      QTest::keyClick(target, key.key, key.modifiers);
    } else if (roll < 50) {
      QInputMethodEvent commit;
      commit.setCommitString(reliability::RandomImeText(random));
      Log("input method commits " + commit.commitString());
      QCoreApplication::sendEvent(target, &commit);
    } else if (roll < 53) {
      const QString text = reliability::RandomText(random).left(1);
      Log("type key with text " + Printable(text));
      TypeKey(target, text);
    } else if (roll < 73) {
      // Half of the clicks go to the buttons, which are few among the controls.
      const auto& pool = roll < 63 ? controls_ : buttons_;
      QWidget* control = pool[random() % pool.size()];
      Log("click " + control->objectName());
      QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
      return qobject_cast<QAbstractButton*>(control) != nullptr;
    } else if (roll < 85) {
      const QString text = random() % kHugePasteOdds == 0 ? reliability::HugeText(random)
                           : random() % 2 == 0            ? reliability::RandomNumberText(random)
                                                          : reliability::RandomText(random);
      Log("paste " + Printable(text));
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (roll < 88) {
      // Now and then the pointer comes to rest on a button, long enough for the balloon tip of
      // an export button to show.
      const bool rest = random() % kRestOdds == 0;
      const auto& pool = rest ? buttons_ : controls_;
      QWidget* control = pool[random() % pool.size()];
      QTest::mouseMove(control, control->rect().center());
      Log((rest ? "rest the mouse on " : "move the mouse over ") + control->objectName());
      if (rest) {
        QTest::qWait(kRestMs);
      }
    } else {
      PickDirection(random);
      return false;
    }
    return atButton;
  }

  // Focuses the direction box and moves its pick with a key, as a user choosing from the list.
  void PickDirection(std::mt19937_64& random) {
    auto* combo = Control<QComboBox>("组合框1");
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[random() % std::size(keys)];
    Log(QStringLiteral("pick in 组合框1 with key %1").arg(key, 0, 16));
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : combo,
                    key);
  }

  // What an event must keep or turn into something known.
  struct Before {
    std::array<QString, kReadOnlyBoxes.size()> readOnlyTexts;
    const EditBox* focusedBox;  // an integer or decimal box with the focus, or null
    QString focusedText;
  };

  Before Capture() {
    Before before{ReadOnlyTexts(), qobject_cast<const EditBox*>(QApplication::focusWidget()), {}};
    if (before.focusedBox != nullptr && before.focusedBox->rule() == InputRule::ReadOnly) {
      before.focusedBox = nullptr;
    }
    if (before.focusedBox != nullptr) {
      before.focusedText = before.focusedBox->text();
    }
    return before;
  }

  std::array<QString, kReadOnlyBoxes.size()> ReadOnlyTexts() {
    std::array<QString, kReadOnlyBoxes.size()> texts;
    for (std::size_t i = 0; i < kReadOnlyBoxes.size(); ++i) {
      texts[i] = Control<QLineEdit>(kReadOnlyBoxes[i])->text();
    }
    return texts;
  }

  // A box the event took the focus from shows the focus-loss rewrite of its text, unless an
  // operation may have written it since.
  static std::string BrokenRewrite(const Before& before) {
    const EditBox* box = before.focusedBox;
    if (box == nullptr || QApplication::focusWidget() == box) {
      return {};
    }
    const QByteArray typed = before.focusedText.toUtf8();
    const std::string_view view(typed.constData(), static_cast<std::size_t>(typed.size()));
    const std::string expected = box->rule() == InputRule::Integer
                                     ? numtext::RewriteIntegerText(view)
                                     : numtext::RewriteDecimalText(view);
    const std::string shown = box->text().toStdString();
    if (shown == expected) {
      return {};
    }
    return box->objectName().toStdString() + " shows \"" + shown +
           "\" after losing the focus, not \"" + expected + "\"";
  }

  // The first invariant that no longer holds, or an empty text.
  std::string BrokenInvariant(bool mayHaveRunOperation, const Before& before) {
    if (!Window().isVisible()) {
      return "the window is gone";
    }
    int checked = 0;
    for (const char* name : kRadioGroup) {
      checked += Control<QAbstractButton>(name)->isChecked() ? 1 : 0;
    }
    if (checked > 1) {
      return std::to_string(checked) + " radio buttons of the window are checked";
    }
    if (!mayHaveRunOperation) {
      if (ReadOnlyTexts() != before.readOnlyTexts) {
        return "an event that runs no operation changed a read-only box";
      }
      if (std::string broken = BrokenRewrite(before); !broken.empty()) {
        return broken;
      }
    }
    for (const char* name : kOutputs) {
      const std::string text = TextOf(name);
      if (!reliability::IsOutputText(text)) {
        return std::string(name) + " shows \"" + text + "\"";
      }
    }
    return {};
  }

  std::string OutputTexts() {
    std::string texts;
    for (const char* name : kOutputs) {
      texts += "[" + TextOf(name) + "] ";
    }
    return texts;
  }

  void Log(const QString& event) {
    recent_.push_back(event.toStdString());
    if (recent_.size() > kEventsShownOnFailure) {
      recent_.pop_front();
    }
  }

  std::string RecentEvents() const {
    std::string events;
    for (const std::string& event : recent_) {
      events += "\n  " + event;
    }
    return events;
  }

 private:
  std::vector<QWidget*> controls_;
  std::vector<QWidget*> buttons_;
  std::vector<QWidget*> inputBoxes_;
  std::deque<std::string> recent_;
};

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST_F(MonkeyTest, NoInputBreaksTheWindow) {
  const std::uint64_t seed = EnvironmentNumber("PARVELL_MONKEY_SEED", kDefaultSeed);
  const auto events = static_cast<long>(EnvironmentNumber("PARVELL_MONKEY_EVENTS", kDefaultEvents));
  std::mt19937_64 random(seed);
  std::printf("monkey seed %llu, %ld events\n", static_cast<unsigned long long>(seed), events);

  // How often the outputs changed shows that the events reach the calculators.
  long outputChanges = 0;
  for (long event = 0; event < events; ++event) {
    const Before before = Capture();
    const std::string outputsBefore = OutputTexts();
    const bool mayHaveRunOperation = Act(random);
    QCoreApplication::processEvents();
    outputChanges += OutputTexts() != outputsBefore ? 1 : 0;
    const std::string broken = BrokenInvariant(mayHaveRunOperation, before);
    if (!broken.empty()) {
      FAIL() << broken << "\nafter event " << event << " of seed " << seed
             << " (replay: PARVELL_MONKEY_SEED=" << seed << "); the last events:" << RecentEvents();
    }
  }
  std::printf("the outputs changed after %ld events; at the end: %s\n", outputChanges,
              OutputTexts().c_str());
}

}  // namespace
}  // namespace shell
