// SPDX-License-Identifier: GPL-3.0-or-later
#include "TInformacje.h"

#include "Align.h"
#include "Button.h"
#include "Configuration.h"
#include "Cp1250.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "FileAccess.h"
#include "InOutError.h"
#include "Fonts.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "PageControl.h"
#include "PictureFile.h"
#include "RichEdit.h"
#include "RtfReader.h"

#include <QEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>

TInformacje::TInformacje(const QWidget* mainWindow, DataFolder folder)
    : TSecondaryWindow(mainWindow, QStringLiteral("Informacje o pierwiastku"), QSize(461, 323), Sizing::Resizable,
                       {TsuiTitleBarBtnType::suiClose}),
      folder_(std::move(folder))
{
}

void TInformacje::BuildContents()
{
    BuildPages();
    BuildFirstPage();
    // Ctrl+Tab and Ctrl+Page Down to the next page whose tab shows, with Shift or Page Up back
    const std::pair<QKeySequence, bool> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), true},
                                                  {QKeySequence(Qt::CTRL | Qt::Key_PageDown), true},
                                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), false},
                                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false},
                                                  {QKeySequence(Qt::CTRL | Qt::Key_PageUp), false}};
    for (const auto& [sequence, forward] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                [this, forward = forward] { suiPageControl1->SelectNextPage(forward); });
}

void TInformacje::BuildPages()
{
    suiPageControl1 = new TsuiPageControl(suiForm1);
    suiPageControl1->setObjectName(QStringLiteral("suiPageControl1"));
    suiPageControl1->SetUIStyle(TsuiUIStyle::DeepBlue);
    suiPageControl1->SetLeftMargin(10);
    suiPageControl1->SetBorderColor(clBlack);
    suiPageControl1->SetColor(0xE8E8E8);
    SetAlign(suiPageControl1, TAlign::alClient);
    const auto page = [this](const char* name, const char* caption) {
        TsuiTabSheet* sheet = suiPageControl1->AddPage(QString::fromUtf8(caption));
        sheet->setObjectName(QString::fromLatin1(name));
        return sheet;
    };
    suiTabSheet1 = page("suiTabSheet1", "Podstawowe informacje");
    suiTabSheet2 = page("suiTabSheet2", "Więcej informacji");
    suiTabSheet3 = page("suiTabSheet3", "Stabilne izotopy");
    suiTabSheet4 = page("suiTabSheet4", "Opis");
    suiTabSheet5 = page("suiTabSheet5", "Rysunek");
    suiTabSheet1->OnShow = [this](QObject* sender) { suiTabSheet1Show(sender); };
    suiTabSheet2->OnShow = [this](QObject* sender) { suiTabSheet2Show(sender); };
    suiTabSheet3->OnShow = [this](QObject* sender) { suiTabSheet3Show(sender); };
    suiTabSheet4->OnShow = [this](QObject* sender) { suiTabSheet4Show(sender); };
    suiTabSheet5->OnShow = [this](QObject* sender) { suiTabSheet5Show(sender); };

    const auto picture = [](TsuiTabSheet* sheet, const char* name) {
        auto* image = new TImage(sheet);
        image->setObjectName(QString::fromLatin1(name));
        image->SetCenter(true);
        // the page's one control: the focus comes to it, and a reader reads what it shows
        image->setFocusPolicy(Qt::TabFocus);
        SetAlign(image, TAlign::alClient);
        return image;
    };
    Image1 = picture(suiTabSheet3, "Image1");
    Image2 = picture(suiTabSheet5, "Image2");
    RichEdit1 = new TRichEdit(suiTabSheet4);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RichEdit1->setLineWidth(1);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // the classic desktop's scroll bar, as the rich-text box of the platform shows it
    // drawn as at 100 % and magnified on a larger screen, its bevels and checker as the window's
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        auto* style = new AtOneToOneStyle(classic);
        style->setParent(RichEdit1);
        RichEdit1->verticalScrollBar()->setStyle(style);
    }
    SetAlign(RichEdit1, TAlign::alClient);
    Properties = std::make_unique<PropertiesPage>(suiTabSheet2);
    suiPageControl1->SetActivePage(suiTabSheet1);
}

void TInformacje::BuildFirstPage()
{
    const auto label = [this](const char* name, const char* caption, int x, int y, bool bold) {
        auto* l = new TLabel(QString::fromUtf8(caption), suiTabSheet1);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(SansSerifFont(bold));
        l->move(x, y);
        return l;
    };
    Label1 = label("Label1", "Symbol:", 8, 32, false);
    Label2 = label("Label2", "Nazwa polska:", 8, 64, false);
    Label3 = label("Label3", "Nazwa łacińska:", 8, 80, false);
    Label4 = label("Label4", "Liczba atomowa:", 8, 112, false);
    Label5 = label("Label5", "Data odkrycia:", 8, 128, false);
    Label6 = label("Label6", "Temperatura topnienia:", 8, 160, false);
    Label7 = label("Label7", "Temperatura wrzenia:", 8, 176, false);
    Label15 = label("Label15", "Powłoki elektronowe:", 8, 200, false);
    Label8 = label("Label8", "Label8", 160, 32, true);
    Label9 = label("Label9", "Label9", 160, 64, true);
    Label10 = label("Label10", "Label10", 160, 80, true);
    Label11 = label("Label11", "Label11", 160, 112, true);
    Label12 = label("Label12", "Label12", 160, 128, true);
    Label13 = label("Label13", "Label13", 160, 160, true);
    Label14 = label("Label14", "Label14", 160, 176, true);
    Label16 = label("Label16", "Label16", 160, 200, true);
    suiButton1 = new TsuiButton(suiTabSheet1);
    suiButton1->setObjectName(QStringLiteral("suiButton1"));
    suiButton1->setGeometry(24, 240, 153, 19);
    suiButton1->SetCaption(QStringLiteral("Model przestrzenny atomu"));
    suiButton1->OnClick = [this](QObject* sender) { suiButton1Click(sender); };
}

void TInformacje::SetProperties(PropertiesStore* properties, std::function<QString(const QString& symbol)> kindOf,
                                std::function<QString(const QString& symbol)> halfLifeOf)
{
    properties_ = properties;
    kindOf_ = std::move(kindOf);
    halfLifeOf_ = std::move(halfLifeOf);
}

void TInformacje::SetAtomWindow(QWidget* window, std::function<void(const QString& symbol)> pierwiastek)
{
    atomWindow_ = window;
    pierwiastek_ = std::move(pierwiastek);
}

QString TInformacje::FormatNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'g', 15);
    // the classic format's minus sign, whatever the locale draws, and an exponent without a plus
    // sign or leading zeros ("1E-6")
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    static const QRegularExpression exponent(QStringLiteral("[eE]\\+?(-?)0*(\\d)"));
    return text.replace(exponent, QStringLiteral("E\\1\\2"));
}

QString TInformacje::FileOfRecord(const QString& path, const QString& name) const
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String("..")
        || name == QLatin1String("."))
        throw EFOpenError(path, QStringLiteral("Invalid file name"), EInOutError::InvalidFilename);
    return path;
}

void TInformacje::Wypelnij(const TElementRecord& record)
{
    BuildContentsOnce();
    const QString symbol = Cp1250ToString(record.Symbol.Text());
    const ElementProperties* properties = properties_ ? properties_->Find(symbol) : nullptr;
    if (properties)
        Properties->Fill(*properties, kindOf_ ? kindOf_(symbol) : QString(), halfLifeOf_ ? halfLifeOf_(symbol) : QString());
    suiTabSheet2->SetTabVisible(properties != nullptr);
    if (properties && suiPageControl1->ActivePage() == suiTabSheet2)
        FitPropertiesPage();
    Label8->SetCaption(symbol);
    Label9->SetCaption(Cp1250ToString(record.PolishName.Text()));
    Label10->SetCaption(Cp1250ToString(record.LatinName.Text()));
    Label11->SetCaption(QString::number(record.AtomicNumber));
    Label12->SetCaption(QString::number(record.DiscoveryYear));
    if (record.DiscoveryYear == 0)
        Label12->SetCaption(QStringLiteral("Starożytność"));
    if (record.DiscoveryYear == 1600)
        Label12->SetCaption(QStringLiteral("Średniowiecze"));
    for (const auto& [label, value] : {std::pair(Label13, record.MeltingPoint), std::pair(Label14, record.BoilingPoint)})
        label->SetCaption(KnownTemperature(value) ? FormatNumber(value) : QStringLiteral("Brak danych"));

    const QString description = Cp1250ToString(record.DescriptionFile.Text());
    if (!description.isEmpty()) {
        const QString path = FileOfRecord(folder_.DescriptionPath(description), description);
        description_ = ReadFileToShow(path, MaxDescriptionBytes);
        descriptionInBox_ = false;
        // laid out now only where it shows now; otherwise when its page is first shown
        if (suiPageControl1->ActivePage() == suiTabSheet4)
            ShowDescription();
        suiTabSheet4->SetTabVisible(true);
    } else {
        description_.clear();
        descriptionInBox_ = true;
        RichEdit1->clear();
        suiTabSheet4->SetTabVisible(false);
    }
    for (const auto& [sheet, image, name] : {std::tuple(suiTabSheet3, Image1, &record.IsotopeImage),
                                             std::tuple(suiTabSheet5, Image2, &record.DrawingImage)}) {
        const QString file = Cp1250ToString(name->Text());
        sheet->SetTabVisible(!file.isEmpty());
        if (!file.isEmpty()) {
            image->SetPicture(LoadPictureFile(FileOfRecord(folder_.PicturePath(file), file)));
            image->setAccessibleName(PictureText(file, sheet->Caption()));
        }
    }
    show();
    raise();
    activateWindow();
}

QString TInformacje::PictureText(const QString& file, const QString& otherwise)
{
    // the words are read once, from the file beside the pictures; a picture of the user's own, or
    // a folder without the file, is read by its page's name
    if (!pictureTexts_) {
        pictureTexts_.emplace();
        const std::optional<QByteArray> bytes = TryReadFile(folder_.PicturePath(QStringLiteral("opisy.txt")), MaxPictureTextBytes);
        for (const QByteArray& line : bytes.value_or(QByteArray()).split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab > 0 && !line.startsWith('#'))
                pictureTexts_->insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)).trimmed());
        }
    }
    return pictureTexts_->value(file, otherwise);
}

void TInformacje::ShowDescription()
{
    if (descriptionInBox_)
        return;
    descriptionInBox_ = true;
    RichEdit1->ShowContent([this](QTextDocument& document) { LoadDescription(document, description_); });
}

void TInformacje::FillDescription(QTextDocument& document) const
{
    if (description_.isEmpty())
        document.clear();
    else
        LoadDescription(document, description_);
}

void TInformacje::Wpisz_powloki(const QString& symbol)
{
    BuildContentsOnce();
    static const char* const letters[] = {"K-", "L-", "M-", "N-", "O-", "P-", "Q-"};
    const std::optional<QByteArray> bytes = StringToCp1250(symbol);
    const QByteArray configuration = Znajdz_konfiguracje(folder_, bytes.value_or(QByteArray()));
    QString shells;
    const QList<QByteArray> counts = Podziel_powloki(configuration, 7);
    for (int k = 0; k < counts.size(); ++k)
        shells += QLatin1String(letters[k]) + Cp1250ToString(counts[k]) + QLatin1Char(' ');
    Label16->SetCaption(shells);
}

void TInformacje::FormCreate()
{
    resize(BasicWidth, height());
}

void TInformacje::FormShow()
{
    if (atomWindow_ && atomWindow_->isVisible() && pierwiastek_)
        pierwiastek_(Label8->Caption());
}

void TInformacje::FormActivate()
{
    if (pierwiastek_)
        pierwiastek_(Label8->Caption());
}

void TInformacje::suiButton1Click(QObject*)
{
    if (pierwiastek_)
        pierwiastek_(Label8->Caption());
    if (atomWindow_)
        atomWindow_->show();
}

void TInformacje::suiTabSheet1Show(QObject*)
{
    resize(BasicWidth, height());
}

void TInformacje::suiTabSheet2Show(QObject*)
{
    FitPropertiesPage();
}

void TInformacje::FitPropertiesPage()
{
    // the page fills the window with the same inset on either side; its width may not follow yet
    const int insets = 2 * suiTabSheet2->mapTo(this, QPoint(0, 0)).x();
    resize(std::max(BasicWidth, insets + Properties->Right() + PropertiesPage::Margin), height());
}

void TInformacje::suiTabSheet3Show(QObject*)
{
    resize(WideWidth, height());
}

void TInformacje::suiTabSheet4Show(QObject*)
{
    resize(WideWidth, height());
    ShowDescription();
}

void TInformacje::suiTabSheet5Show(QObject*)
{
    resize(WideWidth, height());
}

bool TInformacje::event(QEvent* event)
{
    if (event->type() == QEvent::Show)
        RunHandler([this] { FormShow(); });
    else if (event->type() == QEvent::WindowActivate)
        RunHandler([this] { FormActivate(); });
    return TSecondaryWindow::event(event);
}
