// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComboBox.h"

#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyledItemDelegate>

namespace {

// List rows of the box's item height, drawn as at 100 % and magnified on a device of more pixels
// than points: Qt sets them in the pixel face, which has no larger glyphs.
class ItemHeightDelegate : public QStyledItemDelegate {
public:
    ItemHeightDelegate(const TsuiCustomComboBox* box, QObject* parent) : QStyledItemDelegate(parent), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        PaintAtOneToOne(*painter, option.rect, [&](QPainter& canvas) { QStyledItemDelegate::paint(&canvas, option, index); });
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), box_->ItemHeight());
    }

private:
    const TsuiCustomComboBox* box_;
};

bool IsEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

TsuiCustomComboBox::TsuiCustomComboBox(QWidget* parent)
    : QComboBox(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setFrame(false);
    setMaxVisibleItems(8);
    setItemDelegate(new ItemHeightDelegate(this, this));
    lineEdit()->setFrame(false);
    lineEdit()->setGraphicsEffect(new AtOneToOneEffect(lineEdit()));
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
        // leaving the box writes the listed name's own capitals over the proposal: the same proposal
        if (proposal_ && text.compare(proposal_->Completed, Qt::CaseInsensitive) == 0)
            proposal_->Completed = text;
        else
            proposal_.reset();
        if (OnChange)
            RunHandler([this] { OnChange(this); });
    });
    view()->installEventFilter(this);
    // the list's scroll bar drawn as at 100 % and magnified on a larger screen, as the list is
    if (QStyle* own = QStyleFactory::create(view()->verticalScrollBar()->style()->name())) {
        auto* style = new AtOneToOneStyle(own);
        style->setParent(view());
        view()->verticalScrollBar()->setStyle(style);
    }
    view()->viewport()->installEventFilter(this);
    SetColor(clWindow);
    ApplyLook(skin_.Look());
}

void TsuiCustomComboBox::ApplyLook(const SkinLook& look)
{
    arrowColor_ = clBlack;
    borderColor_ = look.Color(ThemeItems::ControlBorderColor);
    buttonColor_ = look.Color(ThemeItems::FormBackgroundColor);
    drawnStyle_ = look.Style();
    if (look.Is(TsuiUIStyle::MacOS))
        buttonPicture_ = LoadBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON"));
    else if (look.Is(TsuiUIStyle::WinXP))
        buttonPicture_ = LoadBitmapResource(QStringLiteral("WINXP_COMBOBOX_BUTTON"));
    else
        buttonPicture_ = QImage();
    update();
}

void TsuiCustomComboBox::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiCustomComboBox::SetButtonColor(TColor color)
{
    buttonColor_ = color;
    update();
}

void TsuiCustomComboBox::SetArrowColor(TColor color)
{
    arrowColor_ = color;
    update();
}

void TsuiCustomComboBox::SetColor(TColor color)
{
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ColorToRGB(color));
    setPalette(colours);
    update();
}

void TsuiCustomComboBox::SetItemHeight(int height)
{
    itemHeight_ = std::max(1, height);
    view()->doItemsLayout();
}

void TsuiCustomComboBox::SetSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted)
        AddItems({});
}

void TsuiCustomComboBox::AddItems(const QStringList& items)
{
    QStringList all = Items() + items;
    if (sorted_) {
        QCollator collation{QLocale()};
        std::stable_sort(all.begin(), all.end(), [&](const QString& a, const QString& b) { return collation.compare(a, b) < 0; });
    }
    const QString text = currentText();
    clear();
    addItems(all);
    setEditText(text);
}

QStringList TsuiCustomComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

QRect TsuiCustomComboBox::ButtonRect() const
{
    return QRect(width() - 2 - ButtonWidth, 2, ButtonWidth, height() - 4);
}

void TsuiCustomComboBox::PlaceEditor()
{
    lineEdit()->setGeometry(2, 2, ButtonRect().left() - 2, height() - 4);
}

void TsuiCustomComboBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    PlaceEditor();
}

void TsuiCustomComboBox::showEvent(QShowEvent* event)
{
    QComboBox::showEvent(event);
    PlaceEditor();
}

void TsuiCustomComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        PlaceEditor();
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TsuiCustomComboBox::showPopup()
{
    QComboBox::showPopup();
    // the list in a one-pixel frame of the border colour
    QWidget* list = view()->window();
    list->setObjectName(QStringLiteral("TsuiComboBoxList"));
    list->setStyleSheet(QStringLiteral("#TsuiComboBoxList { border: 1px solid %1; }").arg(ColorToRGB(borderColor_).name()));
}

void TsuiCustomComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (parentWidget())
        parentWidget()->update();
}

void TsuiCustomComboBox::paintEvent(QPaintEvent*)
{
    // drawn as at 100 % and magnified, as its edit is: the frame's lines as thick as the window's
    QPainter window(this);
    PaintAtOneToOne(window, rect(), [this](QPainter& canvas) { PaintBox(canvas); });
}

void TsuiCustomComboBox::PaintBox(QPainter& canvas)
{
    canvas.fillRect(rect(), ColorToRGB(color_));
    DrawControlBorder(canvas, rect(), borderColor_, color_, true);
    const QRect button = ButtonRect();
    if (!buttonPicture_.isNull()) {
        canvas.drawImage(button, buttonPicture_);
    } else {
        canvas.fillRect(button, ColorToRGB(buttonColor_));
        canvas.setPen(ColorToRGB(borderColor_));
        canvas.drawLine(button.left(), button.top() - 1, button.left(), button.bottom());
    }
    if (drawnStyle_ == TsuiUIStyle::WinXP)
        return;
    const int a = button.left() + button.width() / 2 - 3;
    const int b = (button.bottom() + 1 - button.top()) / 2;
    const auto triangle = [&](QPoint offset, QColor colour) {
        const QPoint corners[] = {QPoint(a, b) + offset, QPoint(a + 6, b) + offset, QPoint(a + 3, b + 3) + offset};
        canvas.setPen(colour);
        canvas.setBrush(colour);
        canvas.drawPolygon(corners, 3);
    };
    if (isEnabled()) {
        triangle(QPoint(0, 0), ColorToRGB(arrowColor_));
    } else {
        triangle(QPoint(1, 1), Qt::white);
        triangle(QPoint(0, 0), QColor(0x80, 0x80, 0x80));
    }
}

QString TsuiCustomComboBox::TypedText() const
{
    return proposal_ ? proposal_->Typed : Text();
}

// Keys reach the box, which hands them to its text: the box is the focus widget, its text only its
// proxy.
void TsuiCustomComboBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = IsEnter(*event) ? QStringLiteral("\r") : event->text();
    if (OnKeyPress && !typed.isEmpty())
        RunHandler([&] { OnKeyPress(this, typed[0]); });
    QComboBox::keyPressEvent(event);
    NoteProposal(*event);
}

// A letter typed after which the text holds more, selected to its end, is the completion proposing a
// listed name; any other key takes the text as it stands.
void TsuiCustomComboBox::NoteProposal(const QKeyEvent& key)
{
    const QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    const bool letter = !key.text().isEmpty() && key.text()[0].isPrint();
    const bool tailSelected = edit->hasSelectedText() && edit->selectionStart() > 0 &&
                              edit->selectionStart() + edit->selectedText().size() == text.size();
    if (letter && tailSelected)
        proposal_ = Proposal{text.left(edit->selectionStart()), text};
    else
        proposal_.reset();
}

bool TsuiCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // a click in the text places the cursor there, a name picked from the list is the one meant:
    // either way what then stands in the box is what the user wants
    const auto type = event->type();
    const bool enter = type == QEvent::KeyPress && IsEnter(*static_cast<QKeyEvent*>(event));
    if ((watched == lineEdit() && type == QEvent::MouseButtonPress) ||
        (watched == view()->viewport() && type == QEvent::MouseButtonRelease) || (watched == view() && enter))
        proposal_.reset();
    return QComboBox::eventFilter(watched, event);
}
