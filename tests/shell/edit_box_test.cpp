// Edit boxes on a bare parent window: typing, pasting, input methods and the rewrite when a box
// loses the focus, driven by real key, mouse and focus events.
#include "shell/edit_box.h"
#include "shell/long_text.h"
#include "shell/typing_filter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace shell {
namespace {

class EditBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(360, 60);
    integer_->setGeometry(10, 10, 80, 32);
    decimal_->setGeometry(100, 10, 80, 32);
    readOnly_->setGeometry(190, 10, 80, 32);
    elsewhere_->setGeometry(280, 10, 70, 32);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    ClickInto(*elsewhere_);  // no box starts with the focus
  }

  EditBox& Box(InputRule rule) {
    switch (rule) {
      case InputRule::Integer:
        return *integer_;
      case InputRule::Decimal:
        return *decimal_;
      case InputRule::ReadOnly:
        return *readOnly_;
    }
    throw std::logic_error("unknown input rule");
  }

  static void ClickInto(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, control.rect().center());
  }
  // Clicks into the box, then types the ASCII text key by key.
  static void Type(EditBox& box, const char* text) {
    ClickInto(box);
    QTest::keyClicks(&box, QString::fromLatin1(text));
  }
  // Ctrl+V as the platform delivers it: the key V with the control character 0x16 as its text.
  static void PasteInto(EditBox& box, const QString& text) {
    ClickInto(box);
    QGuiApplication::clipboard()->setText(text);
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  }
  static void Commit(EditBox& box, const QString& commit) {
    QInputMethodEvent event;
    event.setCommitString(commit);
    QCoreApplication::sendEvent(&box, &event);
  }
  void Leave() { ClickInto(*elsewhere_); }

  static std::string Utf8(const QString& text) { return text.toStdString(); }

  QWidget window_;
  EditBox* integer_ = new EditBox(InputRule::Integer, &window_);
  EditBox* decimal_ = new EditBox(InputRule::Decimal, &window_);
  EditBox* readOnly_ = new EditBox(InputRule::ReadOnly, &window_);
  QPushButton* elsewhere_ = new QPushButton("elsewhere", &window_);
};

// Names each case of a table after its row, so that a failure says which.
template <class Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

// ---- Typing ----

struct TypingCase {
  const char* name;
  InputRule rule;
  const char* typed;
  const char* shown;
};

class TypingTest : public EditBoxTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, KeepsOnlyTheCharactersOfTheRule) {
  EditBox& box = Box(GetParam().rule);
  Type(box, GetParam().typed);
  EXPECT_EQ(Utf8(box.text()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingTest,
    ::testing::Values(
        TypingCase{"integer_digits_and_minus", InputRule::Integer, "-0123456789", "-0123456789"},
        TypingCase{"integer_drops_dot_letters_blanks", InputRule::Integer, "1.5 e+3x", "153"},
        TypingCase{"integer_any_number_of_minus", InputRule::Integer, "12-3--", "12-3--"},
        TypingCase{"decimal_digits_minus_dot", InputRule::Decimal, "-1.2.3", "-1.2.3"},
        TypingCase{"decimal_drops_letters_blanks_signs", InputRule::Decimal, "1 e+5,0", "150"},
        TypingCase{"read_only_takes_nothing", InputRule::ReadOnly, "12.5", ""}),
    RowName<TypingCase>);

TEST_F(EditBoxTest, ControlKeysStillEdit) {
  Type(*integer_, "123");
  QTest::keyClick(integer_, Qt::Key_Backspace);
  QTest::keyClick(integer_, Qt::Key_Home);
  QTest::keyClick(integer_, Qt::Key_Delete);
  EXPECT_EQ(Utf8(integer_->text()), "2");
}

TEST_F(EditBoxTest, DroppedCharacterLeavesTextAndCaretAlone) {
  Type(*decimal_, "12");
  QTest::keyClick(decimal_, Qt::Key_Left);
  QTest::keyClicks(decimal_, "x");
  EXPECT_EQ(Utf8(decimal_->text()), "12");
  EXPECT_EQ(decimal_->cursorPosition(), 1);
}

// ---- Input methods ----

struct CommitCase {
  const char* name;
  InputRule rule;
  const char* commit;
  const char* shown;
};

class CommitTest : public EditBoxTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(CommitTest, FiltersCommittedTextLikeTyping) {
  EditBox& box = Box(GetParam().rule);
  ClickInto(box);
  Commit(box, QString::fromUtf8(GetParam().commit));
  EXPECT_EQ(Utf8(box.text()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    InputMethod, CommitTest,
    ::testing::Values(CommitCase{"integer_full_width_digits_dropped", InputRule::Integer,
                                 "１２3中a.5-", "35-"},
                      CommitCase{"decimal_keeps_dot", InputRule::Decimal, "１２3中a.5-", "3.5-"},
                      CommitCase{"chinese_only_gives_nothing", InputRule::Decimal, "涨停价", ""},
                      CommitCase{"read_only_takes_nothing", InputRule::ReadOnly, "12", ""}),
    RowName<CommitCase>);

// An input method's preedit is filtered too; its attributes must then point into what is left.
struct PreeditCase {
  const char* name;
  const char* preedit;
  QInputMethodEvent::Attribute given;
  int start;  // expected
  int length;
};

class PreeditTest : public ::testing::TestWithParam<PreeditCase> {};

TEST_P(PreeditTest, AttributesFollowTheKeptCharacters) {
  const PreeditCase& c = GetParam();
  const QInputMethodEvent event(QString::fromUtf8(c.preedit), {c.given});
  const QList<QInputMethodEvent::Attribute> moved = TypeableAttributes(InputRule::Decimal, event);
  ASSERT_EQ(moved.size(), 1);
  EXPECT_EQ(moved[0].type, c.given.type);
  EXPECT_EQ(moved[0].start, c.start);
  EXPECT_EQ(moved[0].length, c.length);
}

using Attr = QInputMethodEvent::Attribute;

INSTANTIATE_TEST_SUITE_P(
    InputMethod, PreeditTest,
    ::testing::Values(PreeditCase{"cursor_after_dropped_letters", "1a2b",
                                  Attr(QInputMethodEvent::Cursor, 4, 1), 2, 1},
                      PreeditCase{"cursor_length_is_visibility", "ab",
                                  Attr(QInputMethodEvent::Cursor, 1, 0), 0, 0},
                      PreeditCase{"format_range_shrinks", "1a2b",
                                  Attr(QInputMethodEvent::TextFormat, 1, 3), 1, 1},
                      PreeditCase{"format_range_clamped_to_preedit", "ab1",
                                  Attr(QInputMethodEvent::TextFormat, 0, 10), 0, 1},
                      PreeditCase{"selection_is_in_text_positions", "a1",
                                  Attr(QInputMethodEvent::Selection, 5, 2), 5, 2}),
    RowName<PreeditCase>);

TEST(PreeditTextTest, DropsWhatTypingDrops) {
  EXPECT_EQ(TypeableText(InputRule::Integer, QString::fromUtf8("z1中.2１-")).toStdString(), "12-");
}

// ---- Pasting ----

TEST_F(EditBoxTest, CtrlVPastesUnfiltered) {
  PasteInto(*integer_, QString::fromUtf8("abc １２.5"));
  EXPECT_EQ(Utf8(integer_->text()), "abc １２.5");
}

// Test tools often give Ctrl+V the text "v"; the paste must survive dropping that letter.
TEST_F(EditBoxTest, CtrlVWithLetterTextStillPastes) {
  ClickInto(*decimal_);
  QGuiApplication::clipboard()->setText("x1");
  QTest::keyClick(decimal_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Utf8(decimal_->text()), "x1");
}

TEST_F(EditBoxTest, ContextMenuPastesUnfiltered) {
  ClickInto(*decimal_);
  QGuiApplication::clipboard()->setText("abc");
  const std::unique_ptr<QMenu> menu(decimal_->createStandardContextMenu());
  const QList<QAction*> actions = menu->actions();
  const auto paste = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
    return action->text().startsWith(QStringLiteral("&Paste"));
  });
  ASSERT_NE(paste, actions.end());
  (*paste)->trigger();
  EXPECT_EQ(Utf8(decimal_->text()), "abc");
}

// ---- Read-only boxes ----

TEST_F(EditBoxTest, ReadOnlyBoxRefusesEditingButCopies) {
  readOnly_->setText("12.1");
  ClickInto(*readOnly_);
  QGuiApplication::clipboard()->setText("9");
  QTest::sendKeyEvent(QTest::Click, readOnly_, Qt::Key_V, QStringLiteral("\x16"),
                      Qt::ControlModifier);
  QTest::keyClick(readOnly_, Qt::Key_Backspace);
  QTest::keyClick(readOnly_, Qt::Key_Delete);
  EXPECT_EQ(Utf8(readOnly_->text()), "12.1");

  QTest::sendKeyEvent(QTest::Click, readOnly_, Qt::Key_A, QStringLiteral("\x01"),
                      Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, readOnly_, Qt::Key_C, QStringLiteral("\x03"),
                      Qt::ControlModifier);
  EXPECT_EQ(Utf8(QGuiApplication::clipboard()->text()), "12.1");
}

TEST_F(EditBoxTest, ReadOnlyBoxIsNotRewritten) {
  readOnly_->setText("0");
  ClickInto(*readOnly_);
  Leave();
  EXPECT_EQ(Utf8(readOnly_->text()), "0");
}

// ---- Focus-loss rewrite ----

enum class Entry { Typed, Pasted };

struct RewriteCase {
  const char* name;
  InputRule rule;
  Entry entry;
  const char* entered;
  const char* rewritten;
};

class RewriteTest : public EditBoxTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(RewriteTest, RewritesWhenFocusLeaves) {
  EditBox& box = Box(GetParam().rule);
  if (GetParam().entry == Entry::Typed) {
    Type(box, GetParam().entered);
  } else {
    PasteInto(box, QString::fromUtf8(GetParam().entered));
  }
  ASSERT_EQ(Utf8(box.text()), GetParam().entered) << "the text did not get into the box";
  Leave();
  EXPECT_EQ(Utf8(box.text()), GetParam().rewritten);
}

constexpr auto kInt = InputRule::Integer;
constexpr auto kDec = InputRule::Decimal;
constexpr auto kTyped = Entry::Typed;
constexpr auto kPasted = Entry::Pasted;

INSTANTIATE_TEST_SUITE_P(
    Rules, RewriteTest,
    ::testing::Values(
        RewriteCase{"int_0_to_empty", kInt, kTyped, "0", ""},
        RewriteCase{"int_007_to_7", kInt, kTyped, "007", "7"},
        RewriteCase{"int_minus_to_empty", kInt, kTyped, "-", ""},
        RewriteCase{"int_12minus3_to_12", kInt, kTyped, "12-3", "12"},
        RewriteCase{"int_3e9_clamped_high", kInt, kTyped, "3000000000", "2147483647"},
        RewriteCase{"int_minus3e9_clamped_low", kInt, kTyped, "-3000000000", "-2147483648"},
        RewriteCase{"int_kept_as_it_is", kInt, kTyped, "-25", "-25"},
        RewriteCase{"int_pasted_12point5_to_12", kInt, kPasted, "12.5", "12"},
        RewriteCase{"int_pasted_blank_and_plus", kInt, kPasted, "  +42", "42"},
        RewriteCase{"int_pasted_full_width_to_empty", kInt, kPasted, "１２", ""},
        RewriteCase{"dec_0_to_empty", kDec, kTyped, "0", ""},
        RewriteCase{"dec_0point00_to_empty", kDec, kTyped, "0.00", ""},
        RewriteCase{"dec_1point50_to_1point5", kDec, kTyped, "1.50", "1.5"},
        RewriteCase{"dec_point5_to_0point5", kDec, kTyped, ".5", "0.5"},
        RewriteCase{"dec_1point2point3_to_1point2", kDec, kTyped, "1.2.3", "1.2"},
        RewriteCase{"dec_pi_to_13_digits", kDec, kTyped, "3.14159265358979", "3.14159265359"},
        RewriteCase{"dec_1e13_written_1e013", kDec, kTyped, "10000000000000", "1e+013"},
        RewriteCase{"dec_13_nines_stay", kDec, kTyped, "9999999999999", "9999999999999"},
        RewriteCase{"dec_pasted_abc_to_empty", kDec, kPasted, "abc", ""},
        RewriteCase{"dec_pasted_full_width_to_empty", kDec, kPasted, "１２", ""},
        RewriteCase{"dec_pasted_trailing_text_dropped", kDec, kPasted, "12.5元", "12.5"}),
    RowName<RewriteCase>);

// Each way of losing the focus runs the rewrite.
TEST_F(EditBoxTest, RewritesWhenTabbingAway) {
  Type(*integer_, "007");
  QTest::keyClick(integer_, Qt::Key_Tab);
  ASSERT_FALSE(integer_->hasFocus());
  EXPECT_EQ(Utf8(integer_->text()), "7");
}

TEST_F(EditBoxTest, RewritesWhenTheWindowLosesActivation) {
  Type(*decimal_, "1.50");
  QWidget other;
  other.setGeometry(0, 200, 100, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(Utf8(decimal_->text()), "1.5");
}

TEST_F(EditBoxTest, RewritesEveryTimeTheBoxIsLeft) {
  Type(*integer_, "007");
  Leave();
  Type(*integer_, "0");  // the click puts the caret after "7"
  Leave();
  EXPECT_EQ(Utf8(integer_->text()), "70");
  integer_->setText("070");
  ClickInto(*integer_);
  Leave();
  EXPECT_EQ(Utf8(integer_->text()), "70");
}

TEST_F(EditBoxTest, WrittenTextStaysUntilTheUserLeavesTheBox) {
  integer_->setText("12.5");
  decimal_->setText("abc");
  ClickInto(*decimal_);  // leaves nothing: the integer box never had the focus
  EXPECT_EQ(Utf8(integer_->text()), "12.5");
  EXPECT_EQ(Utf8(decimal_->text()), "abc");
  ClickInto(*integer_);
  EXPECT_EQ(Utf8(decimal_->text()), "");
  Leave();
  EXPECT_EQ(Utf8(integer_->text()), "12");
}

struct CaretCase {
  const char* name;
  const char* entered;
  int selectionFrom;  // the anchor, where the user began to select
  int caret;          // where the caret ends the selection
  const char* rewritten;
  int caretAfter;
};

class CaretTest : public EditBoxTest, public ::testing::WithParamInterface<CaretCase> {};

// The focus leaves through the window losing activation, the one way in which the line edit
// keeps its selection up to the focus-out.
TEST_P(CaretTest, RewriteMovesCaretToWhereTheSelectionBegan) {
  const CaretCase& c = GetParam();
  Type(*decimal_, c.entered);
  decimal_->setSelection(c.selectionFrom, c.caret - c.selectionFrom);
  QWidget other;
  other.setGeometry(0, 200, 100, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(Utf8(decimal_->text()), c.rewritten);
  EXPECT_EQ(decimal_->cursorPosition(), c.caretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CaretTest,
    ::testing::Values(CaretCase{"no_selection_caret_kept", "01.5", 1, 1, "1.5", 1},
                      CaretCase{"no_selection_caret_past_end_clamped", "1.50", 4, 4, "1.5", 3},
                      CaretCase{"selected_forward_goes_to_start", "1.50", 2, 4, "1.5", 2},
                      CaretCase{"selected_backward_goes_to_start", "1.50", 4, 1, "1.5", 1}),
    RowName<CaretCase>);

TEST_F(EditBoxTest, UnchangedTextKeepsCaretAndUndo) {
  Type(*decimal_, "1.5");
  decimal_->setCursorPosition(1);
  Leave();
  EXPECT_EQ(decimal_->cursorPosition(), 1);
  EXPECT_TRUE(decimal_->isUndoAvailable());
}

// ---- No length limit, and no stall on a huge paste ----

TEST_F(EditBoxTest, TenMegabytePasteIsAcceptedAndRewritten) {
  const qsizetype size = 10 * 1024 * 1024;
  PasteInto(*integer_, QString(size, u'9'));
  EXPECT_EQ(integer_->text().size(), size);
  EXPECT_EQ(integer_->cursorPosition(), size);
  Leave();
  EXPECT_EQ(Utf8(integer_->text()), "2147483647");
}

// A long text is drawn by the box itself; it must still show, copy, cut and take keys.
TEST_F(EditBoxTest, LongTextShowsCopiesAndEditsLikeAShortOne) {
  const QString digits = QString(kLongText, u'1') + QStringLiteral("23");
  PasteInto(*decimal_, digits);
  ASSERT_EQ(decimal_->text(), digits);
  EXPECT_FALSE(decimal_->grab().isNull());

  QTest::keyClick(decimal_, Qt::Key_Backspace);
  QTest::keyClicks(decimal_, QStringLiteral("4."));
  EXPECT_TRUE(decimal_->text().endsWith(QStringLiteral("124.")));

  QTest::keyClick(decimal_, Qt::Key_A, Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, decimal_, Qt::Key_C, QStringLiteral("\x03"),
                      Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), decimal_->text());

  QTest::sendKeyEvent(QTest::Click, decimal_, Qt::Key_X, QStringLiteral("\x18"),
                      Qt::ControlModifier);
  EXPECT_EQ(decimal_->text(), QString());
  EXPECT_EQ(QGuiApplication::clipboard()->text().size(), digits.size() + 1);
  QTest::keyClicks(decimal_, QStringLiteral("5"));
  EXPECT_EQ(decimal_->text(), QStringLiteral("5"));
}

// Pasting into the middle of a long text keeps both sides and puts the caret after the paste.
TEST_F(EditBoxTest, LongPasteReplacesTheSelection) {
  PasteInto(*decimal_, QString(kLongText, u'7'));
  decimal_->setSelection(1, kLongText - 2);
  QGuiApplication::clipboard()->setText(QString(kLongText, u'8'));
  QTest::sendKeyEvent(QTest::Click, decimal_, Qt::Key_V, QStringLiteral("\x16"),
                      Qt::ControlModifier);
  EXPECT_EQ(decimal_->text(), QStringLiteral("7") + QString(kLongText, u'8') + QStringLiteral("7"));
  EXPECT_EQ(decimal_->cursorPosition(), kLongText + 1);
}

// ---- Look ----

QImage Snapshot(QWidget& widget) {
  return widget.grab().toImage();
}

TEST_F(EditBoxTest, SelectionIsHiddenWhileTheWindowIsInactive) {
  Type(*decimal_, "123");
  Leave();
  const QImage unselected = Snapshot(*decimal_);
  ClickInto(*decimal_);
  decimal_->selectAll();
  ASSERT_NE(Snapshot(*decimal_), unselected) << "the selection is not shown while focused";

  QWidget other;
  other.setGeometry(0, 200, 100, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(Snapshot(*decimal_), unselected);
}

}  // namespace
}  // namespace shell
