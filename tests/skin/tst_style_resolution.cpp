// SPDX-License-Identifier: GPL-3.0-or-later
#include "Panel.h"
#include "StyleResolution.h"
#include "ThemeFile.h"

#include <QtTest>

// Stands for the skinned form a window carries.
class FormStandIn : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("SkinRole", "Form")
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using QWidget::QWidget;
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle style) { style_ = style; }

private:
    TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
};

// A control that publishes only one of the two look properties.
class HalfSkinned : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using QWidget::QWidget;
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle style) { style_ = style; }

private:
    TsuiUIStyle style_ = TsuiUIStyle::WinXP;
};

class TestStyleResolution : public QObject {
    Q_OBJECT

private slots:
    void resolveStyle()
    {
        TsuiUIStyle effective = TsuiUIStyle::MacOS;
        QVERIFY(!ResolveStyle(nullptr, TsuiUIStyle::FromThemeFile, effective));
        QCOMPARE(effective, TsuiUIStyle::DeepBlue);

        TsuiFileTheme unusable;
        QVERIFY(!ResolveStyle(&unusable, TsuiUIStyle::FromThemeFile, effective));
        QCOMPARE(effective, TsuiUIStyle::DeepBlue);

        QVERIFY(!ResolveStyle(&unusable, TsuiUIStyle::WinXP, effective));
        QCOMPARE(effective, TsuiUIStyle::WinXP);
    }

    void formStyleComesFromTheWindowsSkinnedForm()
    {
        QWidget window;
        QWidget plainChild(&window);
        FormStandIn form(&window);
        form.SetUIStyle(TsuiUIStyle::Protein);
        QWidget nested(&plainChild);
        QCOMPARE(GetFormStyle(&window), TsuiUIStyle::Protein);
        QCOMPARE(GetFormStyle(&nested), TsuiUIStyle::Protein);
        TsuiPanel panel(&nested);
        QCOMPARE(panel.UIStyle(), TsuiUIStyle::Protein);

        QWidget bare;
        QCOMPARE(GetFormStyle(&bare), TsuiUIStyle::DeepBlue);
        QCOMPARE(GetFormStyle(nullptr), TsuiUIStyle::DeepBlue);
    }

    void applyStyleToChildrenReachesOnlyDirectChildrenWithBothProperties()
    {
        QWidget container;
        TsuiPanel direct(&container);
        HalfSkinned half(&container);
        TsuiPanel grandchild(&direct);
        TsuiFileTheme theme;
        ApplyStyleToChildren(&container, TsuiUIStyle::MacOS, &theme);
        QCOMPARE(direct.UIStyle(), TsuiUIStyle::MacOS);
        QCOMPARE(direct.FileTheme(), &theme);
        QCOMPARE(half.UIStyle(), TsuiUIStyle::WinXP);
        QCOMPARE(grandchild.UIStyle(), TsuiUIStyle::DeepBlue);
        QVERIFY(HasProperty(&direct, "FileTheme"));
        QVERIFY(!HasProperty(&half, "FileTheme"));
        QVERIFY(!HasProperty(nullptr, "UIStyle"));
    }

    void removingTheFileThemeFallsBackToDeepBlue()
    {
        QWidget container;
        TsuiPanel panel(&container);
        TsuiPanel child(&panel);
        auto* theme = new TsuiFileTheme;
        panel.SetFileTheme(theme);
        panel.SetUIStyle(TsuiUIStyle::FromThemeFile);
        child.SetUIStyle(TsuiUIStyle::WinXP);
        delete theme;
        QCOMPARE(panel.FileTheme(), nullptr);
        QCOMPARE(panel.UIStyle(), TsuiUIStyle::DeepBlue);
        QCOMPARE(child.UIStyle(), TsuiUIStyle::DeepBlue);
    }
};

QTEST_MAIN(TestStyleResolution)
#include "tst_style_resolution.moc"
