// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "MenuBar.h"
#include "MessageDialog.h"
#include "PageControl.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "Tabs.h"
#include "TitleBar.h"
#include "TrackBar.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QtTest>

namespace {

QAccessibleInterface* Of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QStringList ChildNames(QAccessibleInterface* parent)
{
    QStringList names;
    for (int k = 0; k < parent->childCount(); ++k)
        names << parent->child(k)->text(QAccessible::Name);
    return names;
}

QAccessibleInterface* ChildNamed(QAccessibleInterface* parent, const QString& name)
{
    for (int k = 0; k < parent->childCount(); ++k)
        if (parent->child(k)->text(QAccessible::Name) == name)
            return parent->child(k);
    return nullptr;
}

void Press(QAccessibleInterface* control)
{
    QVERIFY(control->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InstallAccessibility();
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
    }

    void cleanupTestCase() { DestroyWindows(); }

    // What a reader is told of each kind of control on the main window, and what its actions do.
    void theMainWindow()
    {
        ErrorRecorder errors;
        QAccessibleInterface* window = Of(AGlowne);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), AGlowne->windowTitle());

        QAccessibleInterface* tile = Of(AGlowne->TileOf("Na"));
        QCOMPARE(tile->role(), QAccessible::Button);
        QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("Sód, Na, liczba atomowa 11"));
        Press(tile);
        QVERIFY(Informacje->isVisible());
        QCOMPARE(Informacje->Label8->Caption(), QStringLiteral("Na"));
        QCOMPARE(Of(AGlowne->Label(1))->role(), QAccessible::StaticText);

        QAccessibleInterface* search = Of(AGlowne->suiButton1);
        QCOMPARE(search->role(), QAccessible::Button);
        QCOMPARE(search->text(QAccessible::Name), QStringLiteral("Szukaj"));
        QCOMPARE(Of(AGlowne->suiComboBox1)->role(), QAccessible::ComboBox);

        QAccessibleInterface* title = Of(AGlowne->suiForm1->TitleBar());
        QCOMPARE(title->role(), QAccessible::TitleBar);
        QCOMPARE(ChildNames(title), (QStringList{"Menu okna", "Zamknij", "Minimalizuj"}));
        QCOMPARE(title->child(1)->role(), QAccessible::Button);
        QVERIFY(title->child(1)->rect().intersects(AGlowne->frameGeometry()));
        QCOMPARE(title->indexOfChild(title->child(2)), 2);
        const QPoint closeCentre = title->child(1)->rect().center();
        QCOMPARE(title->childAt(closeCentre.x(), closeCentre.y()), title->child(1));

        // every menu and item, check marks included, whether a drop-down is open or not
        QAccessibleInterface* bar = Of(AGlowne->suiForm1->MenuBar());
        QCOMPARE(bar->role(), QAccessible::MenuBar);
        QCOMPARE(ChildNames(bar), (QStringList{"Plik", "Widok", "Kolorowanie", "Interakcje", "Pomoc"}));
        QAccessibleInterface* colourings = bar->child(2);
        QCOMPARE(colourings->parent(), bar);
        QVERIFY(colourings->state().hasPopup);
        QCOMPARE(ChildNames(colourings).size(), 13);
        QCOMPARE(colourings->child(4)->role(), QAccessible::Separator);
        QAccessibleInterface* none = ChildNamed(colourings, "Bez kolorów");
        QAccessibleInterface* metals = ChildNamed(colourings, "Metale i niemetale");
        QCOMPARE(metals->parent(), colourings);
        QVERIFY(none->state().checked && none->state().checkable);
        QVERIFY(!metals->state().checked && metals->state().checkable);
        Press(metals);
        QVERIFY(AGlowne->Grupypierwiastkw1->Checked());
        QVERIFY(metals->state().checked && !none->state().checked);
        QVERIFY(!ChildNamed(bar->child(0), "Zamknij")->state().checkable);
        Press(ChildNamed(bar->child(3), "Stany skupienia"));
        QVERIFY(AGlowne->suiPanel4->isVisible());

        QAccessibleInterface* panel = Of(AGlowne->suiPanel4);
        QCOMPARE(panel->role(), QAccessible::Grouping);
        QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Zmiana stanów skupienia"));
        QAccessibleInterface* slider = Of(AGlowne->suiTrackBar3);
        QCOMPARE(slider->role(), QAccessible::Slider);
        QCOMPARE(slider->text(QAccessible::Name), QStringLiteral("Temperatura w stopniach Celsjusza"));
        QAccessibleValueInterface* value = slider->valueInterface();
        QCOMPARE(value->minimumValue().toInt(), AGlowne->suiTrackBar3->Min());
        QCOMPARE(value->maximumValue().toInt(), AGlowne->suiTrackBar3->Max());
        value->setCurrentValue(100);
        QCOMPARE(AGlowne->suiTrackBar3->Position(), 100);
        QCOMPARE(value->currentValue().toInt(), 100);
        QVERIFY(AGlowne->Label32->Caption().startsWith(QStringLiteral("100")));
        QCOMPARE(Of(AGlowne->Label32)->text(QAccessible::Name), QStringLiteral("100 °C"));

        QAccessibleInterface* box = Of(AGlowne->suiCheckBox3);
        QCOMPARE(box->role(), QAccessible::CheckBox);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Animacja wzrostu temperatury"));
        QVERIFY(box->state().checkable && !box->state().checked);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(AGlowne->suiCheckBox3->Checked() && box->state().checked);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(errors.messages.isEmpty());
    }

    // The information window's pages as a tab list, the message box as an alert.
    void pagesAndMessages()
    {
        AGlowne->Infoopire(QStringLiteral("Fe"));
        QAccessibleInterface* tabs = Of(Informacje->suiPageControl1->Strip());
        QCOMPARE(tabs->role(), QAccessible::PageTabList);
        QStringList shown;
        for (TsuiTabSheet* page : Informacje->suiPageControl1->Pages())
            if (page->TabVisible())
                shown << page->Caption();
        QCOMPARE(ChildNames(tabs), shown);
        QCOMPARE(tabs->child(0)->role(), QAccessible::PageTab);
        QVERIFY(tabs->child(0)->state().selected && !tabs->child(2)->state().selected);
        QCOMPARE(tabs->indexOfChild(tabs->child(2)), 2);
        QCOMPARE(tabs->indexOfChild(Of(AGlowne->suiForm1->TitleBar())->child(0)), -1);  // another widget's part
        Press(tabs->child(2));
        QCOMPARE(Informacje->suiPageControl1->ActivePage()->Caption(), shown[2]);
        QVERIFY(tabs->child(2)->state().selected);

        TsuiMessageDialog dialog(AGlowne);
        dialog.SetCaption(QStringLiteral("Informacja"));
        dialog.SetText(QStringLiteral("Nie znaleziono pierwiastka"));
        std::unique_ptr<TfrmMsg> message(dialog.Build());
        QAccessibleInterface* alert = Of(message.get());
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("Informacja"));
        QCOMPARE(alert->text(QAccessible::Description), QStringLiteral("Nie znaleziono pierwiastka"));
        QCOMPARE(Of(message->Buttons.front())->text(QAccessible::Name), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
