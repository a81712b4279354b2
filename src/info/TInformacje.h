// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"
#include "ElementProperties.h"
#include "ElementRecord.h"
#include "PropertiesPage.h"
#include "SecondaryWindow.h"

#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class TRichEdit;
class TImage;
class TLabel;
class TsuiButton;
class TsuiPageControl;
class TsuiTabSheet;
class QTextDocument;

// The element information window: one element's data and shells on the first page, and where its
// record names them a description, a picture of the stable isotopes and a picture of the element
// on pages of their own. Its label Label8 records which element it shows.
class TInformacje : public TSecondaryWindow {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 370;
    static constexpr int WideWidth = 694;
    // Descriptions larger than this are not read.
    static constexpr qsizetype MaxDescriptionBytes = 8 * 1024 * 1024;

    TInformacje(const QWidget* mainWindow, DataFolder folder);

    // The 3D window this window keeps on its element, and how to hand it an element.
    void SetAtomWindow(QWidget* window, std::function<void(const QString& symbol)> pierwiastek);
    // Where the figures of the page "Więcej informacji" come from, an element's kind in the
    // colourings' words, and the half-life of its longest-lived isotope where its file gives one
    // ("0.7 ms"); without the figures the page stays hidden.
    void SetProperties(PropertiesStore* properties, std::function<QString(const QString& symbol)> kindOf,
                       std::function<QString(const QString& symbol)> halfLifeOf);

    // Fills the pages from the record, loads its description and pictures and shows the window. A
    // file that cannot be read stops the filling at that step, with its error.
    void Wypelnij(const TElementRecord& record);
    // The element's shells, K to Q, from the configuration file.
    void Wpisz_powloki(const QString& symbol);
    // The description of the element shown, as read from its file (none without one), into a
    // document of the caller's: the box lays it out only once its page is shown.
    void FillDescription(QTextDocument& document) const;

    // The number as the labels show it: the shortest form of at most 15 significant digits, with
    // the user's decimal separator and no thousands separator.
    static QString FormatNumber(double value);

    void FormCreate();
    void FormShow();
    void FormActivate();
    void suiButton1Click(QObject* sender);
    void suiTabSheet1Show(QObject* sender);
    void suiTabSheet2Show(QObject* sender);
    void suiTabSheet3Show(QObject* sender);
    void suiTabSheet4Show(QObject* sender);
    void suiTabSheet5Show(QObject* sender);

    // none until the window is first shown or filled
    TsuiPageControl* suiPageControl1 = nullptr;
    TsuiTabSheet *suiTabSheet1 = nullptr, *suiTabSheet2 = nullptr, *suiTabSheet3 = nullptr, *suiTabSheet4 = nullptr,
                 *suiTabSheet5 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr,
           *Label16 = nullptr;
    TsuiButton* suiButton1 = nullptr;
    TImage *Image1 = nullptr, *Image2 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    std::unique_ptr<PropertiesPage> Properties;  // the page "Więcej informacji"

protected:
    bool event(QEvent* event) override;
    void BuildContents() override;

private:
    void BuildPages();
    void BuildFirstPage();
    // The description read last into the box, when it has not been yet.
    void ShowDescription();
    // What a picture shows, in words: its line in "Rysunki/opisy.txt", or else the text given.
    QString PictureText(const QString& file, const QString& otherwise);
    static constexpr qsizetype MaxPictureTextBytes = 1024 * 1024;
    // The folder path of a file a record names; a name that would lead out of its folder is refused.
    QString FileOfRecord(const QString& path, const QString& name) const;

    DataFolder folder_;
    QByteArray description_;  // the file's bytes, read when the element is shown
    bool descriptionInBox_ = true;
    std::optional<QHash<QString, QString>> pictureTexts_;  // by file name, once read
    QWidget* atomWindow_ = nullptr;
    std::function<void(const QString&)> pierwiastek_;
    PropertiesStore* properties_ = nullptr;
    std::function<QString(const QString&)> kindOf_;
    std::function<QString(const QString&)> halfLifeOf_;
    // The page "Więcej informacji" as wide as its values need, never narrower than the first page.
    void FitPropertiesPage();
};
