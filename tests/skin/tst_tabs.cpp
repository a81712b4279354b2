// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"
#include "PageControl.h"
#include "Text.h"

#include "WindowInput.h"

#include <QtTest>

namespace {

// A page control on a window, with pages of the given captions.
struct Pages {
    explicit Pages(const QStringList& captions, QSize size = QSize(461, 294))
    {
        window.resize(size);
        control = new TsuiPageControl(&window);
        control->resize(size);
        for (const QString& caption : captions) {
            TsuiTabSheet* page = control->AddPage(caption);
            page->OnShow = [this, page](QObject*) { shown.append(page->Caption()); };
            page->OnHide = [this, page](QObject*) { hidden.append(page->Caption()); };
        }
        control->OnChange = [this](QObject*) { ++changes; };
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the window was not shown");
        shown.clear();
        hidden.clear();
    }
    TsuiTabControlTopPanel* Strip() const { return control->Strip(); }
    QPoint TabCentre(int index) const
    {
        int x = Strip()->LeftMargin();
        for (int i = 0; i < index; ++i)
            x += std::max(Strip()->TabWidth(i), 0);
        return QPoint(x + Strip()->TabWidth(index) / 2, Strip()->height() / 2);
    }

    QWidget window;
    TsuiPageControl* control;
    QStringList shown, hidden;
    int changes = 0;
};

} // namespace

class TestTabs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();
    }

    void placementAndTabWidths()
    {
        Pages p({"Podstawowe informacje", "", "Opis"});
        QCOMPARE(p.Strip()->height(), 22);
        QCOMPARE(p.control->Pages()[0]->geometry(), QRect(3, 25, 455, 266));
        p.Strip()->repaint();
        QCOMPARE(p.Strip()->TabWidth(1), 80);
        QCOMPARE(p.Strip()->TabWidth(2), TextWidth(p.control->Font(), "Opis") + 20);
        QCOMPARE(p.Strip()->TabWidth(3), -1);
        QVERIFY(!p.Strip()->ScrollButtonsShown());
        // the last page added is the active one; a page control's strip has no tab of its own
        QCOMPARE(p.control->ActivePage()->Caption(), QString("Opis"));
        QCOMPARE(p.Strip()->Tabs().size(), 3);
        // at the bottom the strip moves down and the pages up
        p.control->SetTabPosition(TsuiTabPosition::suiBottom);
        QCOMPARE(p.Strip()->y(), 294 - 22);
        QCOMPARE(p.control->Pages()[2]->geometry(), QRect(3, 3, 455, 266));
    }

    void clicksChangePagesThroughOnChanging()
    {
        Pages p({"Jeden", "Dwa", "Trzy"});
        bool allow = false;
        int asked = 0;
        p.control->OnChanging = [&](QObject*, bool& allowChange) {
            ++asked;
            allowChange = allow;
        };
        WindowInput::Click(p.Strip(), p.TabCentre(0));
        QCOMPARE(p.control->ActivePage()->Caption(), QString("Trzy"));  // refused
        allow = true;
        WindowInput::Click(p.Strip(), p.TabCentre(0));
        QCOMPARE(p.control->ActivePage()->Caption(), QString("Jeden"));
        QCOMPARE(p.shown, QStringList{"Jeden"});
        QCOMPARE(p.hidden, QStringList{"Trzy"});
        QCOMPARE(p.changes, 1);
        WindowInput::Click(p.Strip(), p.TabCentre(0));  // the active tab: nothing
        QCOMPARE(asked, 2);
        QCOMPARE(p.changes, 1);
        p.control->SetActivePage(p.control->Pages()[1]);  // from code: not asked
        QCOMPARE(asked, 2);
        QCOMPARE(p.control->ActivePage()->Caption(), QString("Dwa"));
        QVERIFY(!p.control->Pages()[0]->isVisible());
    }

    void hidingTheActiveTabMovesToTheNearestVisible()
    {
        Pages p({"A", "B", "C", "D"});
        p.control->SetActivePage(p.control->Pages()[0]);
        p.control->Pages()[0]->SetTabVisible(false);
        QCOMPARE(p.control->ActivePage()->Caption(), QString("B"));
        p.control->Pages()[0]->SetTabVisible(true);
        p.control->SetActivePage(p.control->Pages()[3]);
        p.control->Pages()[2]->SetTabVisible(false);
        p.control->Pages()[3]->SetTabVisible(false);
        QCOMPARE(p.control->ActivePage()->Caption(), QString("B"));  // before it, skipping the hidden one
        p.Strip()->repaint();
        QCOMPARE(p.Strip()->TabWidth(2), 0);
        for (TsuiTabSheet* page : p.control->Pages())
            page->SetTabVisible(false);
        QCOMPARE(p.control->ActivePage()->Caption(), QString("B"));  // none left: nothing changes
        p.control->Pages()[0]->SetPageIndex(3);
        QCOMPARE(p.control->Pages()[3]->Caption(), QString("A"));
        QCOMPARE(p.control->ActivePage()->Caption(), QString("A"));
        p.control->Pages()[0]->SetPageIndex(7);
        QCOMPARE(p.control->Pages()[0]->Caption(), QString("B"));
    }

    void tabsThatDoNotFitScroll()
    {
        Pages p({"Podstawowe informacje", "Więcej informacji", "Stabilne izotopy", "Opis", "Rysunek"}, QSize(300, 120));
        p.control->SetActivePage(p.control->Pages()[0]);
        p.Strip()->repaint();
        QVERIFY(p.Strip()->ScrollButtonsShown());
        const int innerLimit = 300 - 2 * 18 - 2;
        int x = p.Strip()->LeftMargin(), cut = -1;
        for (int i = 0; i < 5 && p.Strip()->TabWidth(i) > 0; ++i) {
            if (x + p.Strip()->TabWidth(i) == innerLimit)
                cut = i;
            x += p.Strip()->TabWidth(i);
        }
        QVERIFY(cut > 0);
        QCOMPARE(p.Strip()->TabWidth(cut + 1), -1);  // later tabs are not drawn
        WindowInput::Click(p.Strip(), p.Strip()->ScrollButtonRect(true).center());
        QCOMPARE(p.Strip()->FirstShownTab(), 1);
        WindowInput::Click(p.Strip(), p.Strip()->ScrollButtonRect(false).center());
        QCOMPARE(p.Strip()->FirstShownTab(), 0);
        // choosing a page that lies out of sight scrolls the tabs until it is shown whole
        p.control->SetActivePage(p.control->Pages()[4]);
        QVERIFY(p.Strip()->FirstShownTab() > 0);
    }

    // The caption of a tab cut at the scroll buttons stays left of them: two strips whose cut tabs
    // differ only in their text are the same from the buttons rightwards.
    void cutCaptionsStayLeftOfTheScrollButtons()
    {
        const auto buttonsArea = [](const QString& cut) {
            Pages p({"Podstawowe", cut, "Opis"}, QSize(200, 120));
            WindowInput::Move(p.Strip(), QPoint(2, 2));  // no button hot
            p.Strip()->repaint();
            const int from = p.Strip()->ScrollButtonRect(false).left();
            return p.Strip()->grab().toImage().copy(from, 0, p.Strip()->width() - from, p.Strip()->height());
        };
        QCOMPARE(buttonsArea(QStringLiteral("MMMMMMMMMMMMMMMMMMMM")), buttonsArea(QStringLiteral("WWWWWWWWWWWWWWWWWWWW")));
    }

    void removingPagesAndTheControl()
    {
        auto* p = new Pages({"A", "B", "C"});
        delete p->control->Pages()[2];  // the active page: the one before it is shown
        QCOMPARE(p->control->ActivePage()->Caption(), QString("B"));
        QCOMPARE(p->Strip()->Tabs(), (QStringList{"A", "B"}));
        delete p;
    }
};

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
