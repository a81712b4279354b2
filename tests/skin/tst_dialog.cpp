// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "MessageDialog.h"
#include "WindowInput.h"

#include <QClipboard>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Runs the dialog modally while the step acts on its window once it shows; returns the result.
int ShowAndAct(TsuiMessageDialog& dialog, const std::function<void(TfrmMsg*)>& step)
{
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TfrmMsg*>(QApplication::activeModalWidget());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        step(window);
    });
    return dialog.ShowModal();
}

} // namespace

class TestDialog : public QObject {
    Q_OBJECT

private slots:
    // The window's size and the buttons' places, with and without an icon, for one to three buttons.
    void layout_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<int>>("lefts");  // from the left
        QTest::addColumn<int>("top");
        QTest::newRow("one, no icon") << 1 << false << "Done" << QSize(272, 169) << QList<int>{175} << 124;
        QTest::newRow("two, no icon") << 2 << false << "Done" << QSize(272, 169) << QList<int>{82, 175} << 124;
        QTest::newRow("three, no icon") << 3 << false << "Done" << QSize(336, 169) << QList<int>{53, 146, 239} << 124;
        QTest::newRow("one, icon") << 1 << true << "Done" << QSize(336, 169) << QList<int>{239} << 124;
        QTest::newRow("long text") << 1 << false << QString("Bardzo długi tekst komunikatu, ").repeated(8) << QSize(272, 0) << QList<int>{175} << 0;
    }

    void layout()
    {
        QFETCH(int, buttons);
        QFETCH(bool, icon);
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(QList<int>, lefts);
        QFETCH(int, top);
        QWidget owner;
        TsuiMessageDialog dialog(&owner);
        dialog.SetButtonCount(buttons);
        dialog.SetIconType(icon ? TsuiIconType::suiInformation : TsuiIconType::suiNone);
        dialog.SetText(text);
        const std::unique_ptr<TfrmMsg> window(dialog.Build());
        QCOMPARE(window->lbl->x(), icon ? 88 : 24);
        QCOMPARE(window->lbl->width(), 225);
        QCOMPARE(window->Image1->isHidden(), !icon);
        if (icon)
            QCOMPARE(window->Image1->Picture().size(), QSize(42, 42));
        if (top == 0) {  // a text of several lines moves the buttons below it
            QVERIFY(window->lbl->geometry().bottom() + 1 > 104);
            top = window->lbl->geometry().bottom() + 1 + 20;
            size.setHeight(top - 20 + 65);
        }
        QCOMPARE(window->size(), size);
        QList<int> shown;
        for (TsuiButton* button : window->Buttons) {
            QCOMPARE(button->y(), top);
            QCOMPARE(button->size(), QSize(73, 25));
            shown.prepend(button->x());
        }
        QCOMPARE(shown, lefts);
    }

    void threeButtonsKeysAndFocus()
    {
        QWidget owner;
        TsuiMessageDialog dialog(&owner);
        dialog.SetButtonCount(3);
        {
            const std::unique_ptr<TfrmMsg> window(dialog.Build());
            QStringList captions;
            for (TsuiButton* button : window->Buttons)
                captions.prepend(button->Caption());
            QCOMPARE(captions, (QStringList{"OK", "Cancel", "Cancel"}));
        }
        QCOMPARE(ShowAndAct(dialog, [](TfrmMsg* w) {
                     QCOMPARE(w->focusWidget(), w->Buttons.last());  // button 1, "OK"
                     WindowInput::Key(w, Qt::Key_Escape);
                 }),
                 mrCancel);
        QCOMPARE(ShowAndAct(dialog, [](TfrmMsg* w) { WindowInput::Key(w, Qt::Key_Return); }), mrOk);
    }

    void ctrlCCopiesTheMessage()
    {
        QWidget owner;
        TsuiMessageDialog dialog(&owner);
        dialog.SetCaption(QStringLiteral("Info"));
        dialog.SetText(QStringLiteral("Done"));
        ShowAndAct(dialog, [](TfrmMsg* w) {
            WindowInput::Key(w, Qt::Key_C, Qt::ControlModifier);
            WindowInput::Key(w, Qt::Key_Return);
        });
        const QString line(27, QLatin1Char('-'));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 line + "\r\nInfo\r\n" + line + "\r\nDone\r\n" + line + "\r\nOK\r\n" + line);
    }

    void styleAndTitle()
    {
        QWidget owner;
        TsuiMessageDialog dialog(&owner);
        QCOMPARE(dialog.Caption(), QStringLiteral("suiDialog"));
        QCOMPARE(dialog.CaptionColor(), clWhite);
        dialog.SetUIStyle(TsuiUIStyle::MacOS);
        QCOMPARE(dialog.CaptionColor(), clBlack);
        auto* theme = new TsuiFileTheme(&owner);
        dialog.SetUIStyle(TsuiUIStyle::FromThemeFile);
        dialog.SetFileTheme(theme);
        delete theme;
        QCOMPARE(dialog.FileTheme(), nullptr);
        QCOMPARE(dialog.UIStyle(), TsuiUIStyle::DeepBlue);
        const std::unique_ptr<TfrmMsg> window(dialog.Build());
        QCOMPARE(window->suiForm1->UIStyle(), TsuiUIStyle::DeepBlue);
        QCOMPARE(window->Buttons.first()->UIStyle(), TsuiUIStyle::DeepBlue);
        QCOMPARE(window->Buttons.first()->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
