// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A slot selector alone: only a pick from its list is a selection, whatever
// Qt's editable combo box would otherwise make of typing, Enter or the wheel.

#include "slot_selector.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <memory>

class SlotSelectorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    SlotSelector* selector = nullptr;

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        selector = new SlotSelector(window.get());
        (new SlotSelector(window.get()))->move(0, 40);  // takes the focus when it leaves
        selector->addItems({"Organiser", "Message", "Surf/Fun", "Games", "Help"});
        selector->setFieldText(QStringLiteral("Menu picture no. 3"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        selector->setFocus();
    }

    void cleanup() { window.reset(); }

    void typedTextIsNoSelection_data()
    {
        QTest::addColumn<int>("picked");  // -1: nothing picked first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("thenKey");
        QTest::newRow("Enter") << -1 << "Games" << int(Qt::Key_Return);
        QTest::newRow("focus leaves") << -1 << "Games" << int(Qt::Key_Tab);
        QTest::newRow("part of a name, no completion") << -1 << "Gam" << 0;
        QTest::newRow("after a pick, Enter") << 4 << "Games" << int(Qt::Key_Return);
        QTest::newRow("after picking the first entry") << 0 << "Help" << 0;
    }

    void typedTextIsNoSelection()
    {
        QFETCH(int, picked);
        QFETCH(QString, typed);
        QFETCH(int, thenKey);
        selector->setCurrentIndex(picked);
        QTest::keyClick(selector, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(selector, typed);
        if (thenKey)
            QTest::keyClick(selector, Qt::Key(thenKey));
        QCOMPARE(selector->currentIndex(), -1);
        QCOMPARE(selector->currentText(), typed);
        QCOMPARE(selector->count(), 5);
    }

    void editingAPickKeepsTextAndCursor()
    {
        selector->setCurrentIndex(4);
        for (int key : {Qt::Key_Home, Qt::Key_X})
            QTest::keyClick(selector, Qt::Key(key));
        QCOMPARE(selector->currentIndex(), -1);
        QCOMPARE(selector->currentText(), QStringLiteral("xHelp"));
        QCOMPARE(selector->lineEdit()->cursorPosition(), 1);
    }

    void arrowKeysPickButTheWheelDoesNot()
    {
        for (const int delta : {-120, 120}) {
            QWheelEvent wheel({50, 10}, selector->mapToGlobal(QPointF(50, 10)), {}, {0, delta},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(selector, &wheel);
        }
        QCOMPARE(selector->currentText(), QStringLiteral("Menu picture no. 3"));
        for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab})
            QTest::keyClick(selector, Qt::Key(key));
        QCOMPARE(selector->currentIndex(), 1);
        QCOMPARE(selector->currentText(), QStringLiteral("Message"));
    }

    // A screen reader names the slot whatever the field shows: the selector
    // by its description (its name is its text, but on Windows), its field
    // (which has the focus) by both.
    void screenReadersNameTheSlot()
    {
        selector->setCurrentIndex(4);
        const QString slot = QStringLiteral("Menu picture no. 3");
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(selector->lineEdit());
        QCOMPARE(QAccessible::queryAccessibleInterface(selector)->text(QAccessible::Description),
                 slot);
        QCOMPARE(selector->accessibleName(), slot);
        QCOMPARE(field->text(QAccessible::Name) + field->text(QAccessible::Description),
                 slot + slot);
    }
};

QTEST_MAIN(SlotSelectorTest)
#include "slot_selector_test.moc"
