// The value field and the fader on their own: typed numbers, commits on Enter and on focus
// loss (once), Escape, steps by keys and wheel within the range, and the fader's keys and mouse.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"

namespace corva::controls {
namespace {

TEST(ValueFieldTest, TypedNumbersMayCarryTheirUnit) {
    EXPECT_EQ(ParseTypedNumber(QStringLiteral("1000Hz")), 1000.0);
    EXPECT_EQ(ParseTypedNumber(QStringLiteral("  -3.5 dB ")), -3.5);
    EXPECT_EQ(ParseTypedNumber(QStringLiteral("4,966")), 4.966);
    EXPECT_EQ(ParseTypedNumber(QStringLiteral("2.5kHz")), 2500.0);
    EXPECT_FALSE(ParseTypedNumber(QStringLiteral("Hz")));
    EXPECT_FALSE(ParseTypedNumber(QStringLiteral("12x3")));
    EXPECT_FALSE(ParseTypedNumber(QStringLiteral("1.2.3")));
}

// Two fields in a shown, active window, so the focus can really move between them.
class ValueFieldFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->ShowValue(1000, QStringLiteral("1000Hz"));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
    }
    void Type(const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    QWidget window;
    ValueField* field = new ValueField(&window);
    ValueField* other = new ValueField(&window);
    QSignalSpy committed{field, &ValueField::TextCommitted};
};

TEST_F(ValueFieldFocusTest, EnterCommitsTheTypedTextOnce) {
    Type(QStringLiteral("250"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][0].toString(), QStringLiteral("250"));
    other->setFocus();  // the same text again on leaving is no new edit
    EXPECT_EQ(committed.count(), 1);
}

TEST_F(ValueFieldFocusTest, LeavingTheFieldCommitsOnlyChangedText) {
    other->setFocus();
    EXPECT_EQ(committed.count(), 0);
    field->setFocus();
    Type(QStringLiteral("63"));
    other->setFocus();
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][0].toString(), QStringLiteral("63"));
}

TEST_F(ValueFieldFocusTest, EscapeRestoresTheShownValue) {
    Type(QStringLiteral("77"));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), QStringLiteral("1000Hz"));
    other->setFocus();
    EXPECT_EQ(committed.count(), 0);
}

TEST_F(ValueFieldFocusTest, TextBeingTypedIsNotOverwrittenByARefresh) {
    Type(QStringLiteral("5"));
    field->ShowValue(2000, QStringLiteral("2000Hz"));
    EXPECT_EQ(field->text(), QStringLiteral("5"));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), QStringLiteral("2000Hz"));  // the newest shown value
}

class ValueFieldStepTest : public ::testing::Test {
protected:
    void SetUp() override {
        field.SetSteps(0.5, 5.0);
        field.SetRange(-20.0, 20.0);
        field.ShowValue(1.0, QStringLiteral("1.0dB"));
    }
    double StepWithKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        stepped.clear();
        QTest::keyClick(&field, key, modifiers);
        return stepped.isEmpty() ? field.value() : stepped.last()[0].toDouble();
    }
    void Wheel(int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF centre = QRectF(field.rect()).center();
        QWheelEvent event(centre, field.mapToGlobal(centre), QPoint(), QPoint(0, angle),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&field, &event);
    }

    ValueField field;
    QSignalSpy stepped{&field, &ValueField::ValueStepped};
};

TEST_F(ValueFieldStepTest, ArrowsAndPageKeysStepByTheOwnersSizes) {
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_Up), 1.5);
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_Down), 0.5);
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_PageUp), 6.0);
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_PageDown), -4.0);
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_Up, Qt::ControlModifier), 6.0);
    EXPECT_EQ(field.value(), 1.0);  // the owner decides what is shown
    EXPECT_EQ(field.value(), 1.0);  // the owner decides what is shown
    field.ShowValue(19.0, QStringLiteral("19.0dB"));
    EXPECT_DOUBLE_EQ(StepWithKey(Qt::Key_PageUp), 20.0);  // stops at the end of the range
}

TEST_F(ValueFieldStepTest, TheWheelStepsByWholeNotchesOnlyWhileFocused) {
    Wheel(120);  // scrolling over a field that has no focus edits nothing
    EXPECT_EQ(stepped.count(), 0);
    field.show();
    field.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    field.setFocus();
    ASSERT_TRUE(field.hasFocus());
    Wheel(120);
    ASSERT_EQ(stepped.count(), 1);
    EXPECT_DOUBLE_EQ(stepped[0][0].toDouble(), 1.5);
    Wheel(60);  // half a notch of a fine wheel: nothing yet
    EXPECT_EQ(stepped.count(), 1);
    Wheel(60);
    ASSERT_EQ(stepped.count(), 2);
    Wheel(-240);
    ASSERT_EQ(stepped.count(), 3);
    EXPECT_DOUBLE_EQ(stepped[2][0].toDouble(), 0.0);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(stepped.last()[0].toDouble(), -4.0);
}

TEST(ValueFieldFaderTest, APressJumpsThereAndADragKeepsTheGrabPoint) {
    VerticalFader fader;
    fader.setRange(0, 400);
    fader.resize(22, 200);
    QTest::mouseClick(&fader, Qt::LeftButton, Qt::NoModifier, QPoint(11, 0));
    EXPECT_EQ(fader.value(), 400);  // the top is the maximum
    fader.setValue(200);
    // Grabbed a little below the centre of the handle, it must not jump on the press.
    QTest::mousePress(&fader, Qt::LeftButton, Qt::NoModifier, QPoint(11, 102));
    EXPECT_EQ(fader.value(), 200);
    QMouseEvent move(QEvent::MouseMove, QPointF(11, 52), fader.mapToGlobal(QPointF(11, 52)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fader, &move);
    QTest::mouseRelease(&fader, Qt::LeftButton, Qt::NoModifier, QPoint(11, 52));
    EXPECT_GT(fader.value(), 300);
    EXPECT_LT(fader.value(), 320);
    EXPECT_FALSE(fader.isSliderDown());
}

}  // namespace
}  // namespace corva::controls
