#include "ui/depthmap/ttool_text.h"

#include "app/language_texts.h"
#include "depthmap/tool_dm_text.h"
#include "ui/depthmap/text_preview.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

#include <algorithm>

namespace lumora {
namespace {

constexpr QSize kPreviewSize(300, 48);
// The German design text of a new text.
constexpr char kDesignDefaultText[] = "Text";

QCheckBox* StyleBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

bool ListHolds(const QStringList& list, const QString& face)
{
    return list.contains(face, Qt::CaseInsensitive);
}

// The face the font system draws for a name.
QString ResolvedFace(const QString& face)
{
    QFont font(face);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return QFontInfo(font).family();
}

} // namespace

TTool_Text::TTool_Text(QWidget* parent)
    : ShapeDialog(QStringLiteral("Tool_Text"), QStringLiteral("Text"),
                  QString::fromLatin1(kHelpPage), parent)
{
    int row = NextRow();
    AddCaption(row, QStringLiteral("TextLabel"), QStringLiteral("Text:"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("TextEdit"));
    Grid()->addWidget(text_, row, kControlColumn, 1, 3);

    ++row;
    AddCaption(row, QStringLiteral("SchriftartLabel"), QStringLiteral("Schriftart:"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fonts_ = new QListWidget(this);
    fonts_->setObjectName(QStringLiteral("SchriftartList"));
    fonts_->setSelectionMode(QAbstractItemView::SingleSelection);
    fonts_->setMinimumHeight(140);
    Grid()->addWidget(fonts_, row, kControlColumn, 1, 3);

    ++row;
    AddCaption(row, QStringLiteral("StyleLabel"), QStringLiteral("Style:"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bold_ = StyleBox(QStringLiteral("FettCheck"), QStringLiteral("Fett"), this);
    italic_ = StyleBox(QStringLiteral("KursivCheck"), QStringLiteral("Kursiv"), this);
    underline_ =
        StyleBox(QStringLiteral("UnterstrichenCheck"), QStringLiteral("Unterstrichen"), this);
    strikeOut_ =
        StyleBox(QStringLiteral("DurchgestrichenCheck"), QStringLiteral("Durchgestrichen"), this);
    auto* styles = new QGridLayout;
    styles->addWidget(bold_, 0, 0);
    styles->addWidget(italic_, 0, 1);
    styles->addWidget(underline_, 1, 0);
    styles->addWidget(strikeOut_, 1, 1);
    Grid()->addLayout(styles, row, kControlColumn, 1, 3);

    ++row;
    AddCaption(row, QStringLiteral("PreviewLabel"), QStringLiteral("Preview:"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_ = new TextPreview(QStringLiteral("PreviewPanel"), kPreviewSize, this);
    Grid()->addWidget(preview_, row, kControlColumn, 1, 3);
    FinishLayout();

    connect(text_, &QLineEdit::textChanged, this, [this] { ShowPreview(); });
    connect(fonts_, &QListWidget::currentRowChanged, this, [this] { ShowPreview(); });
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_})
        connect(box, &QCheckBox::toggled, this, [this] { ShowPreview(); });
}

TTool_Text::~TTool_Text() = default;

QString TTool_Text::DefaultText() const
{
    const QString text = texts_ ? texts_->PrimitiveName(0) : QString();
    return text.isEmpty() ? QString::fromLatin1(kDesignDefaultText) : text;
}

QStringList TTool_Text::InstalledFonts() const
{
    QStringList fonts = fontsOverride_ ? *fontsOverride_ : QFontDatabase::families();
    // A family that several foundries make is listed once per foundry, as
    // "Name [foundry]"; the face is known by its name alone.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    for (QString& font : fonts)
        font.remove(foundry);
    fonts.removeDuplicates();
    std::sort(fonts.begin(), fonts.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return fonts;
}

bool TTool_Text::FaceInstalled(const QString& face) const
{
    if (face.isEmpty())
        return false;
    const QStringList fonts = InstalledFonts();
    if (ListHolds(fonts, face))
        return true;
    if (fontsOverride_)
        return false;
    // "Arial" on a machine with the Liberation fonts: the font system
    // draws a metric-compatible face, which an unknown name does not get.
    const QString resolved = ResolvedFace(face);
    return ListHolds(fonts, resolved) &&
           resolved != ResolvedFace(QStringLiteral("No Such Face \u2047"));
}

QString TTool_Text::ChooseFace(const QString& wanted) const
{
    if (FaceInstalled(wanted))
        return wanted;
    const QString arial = QString::fromLatin1(kDefaultFace);
    if (FaceInstalled(arial))
        return arial;
    const QStringList fonts = InstalledFonts();
    return fonts.isEmpty() ? arial : fonts.front();
}

std::unique_ptr<Tool_dm_Text> TTool_Text::ExecuteNew(const IntRect& rect)
{
    auto object = std::make_unique<Tool_dm_Text>(0, rect.Left, rect.Top, rect.Width, rect.Height,
                                                 DefaultText());
    object->FontName = QString::fromLatin1(kDefaultFace);
    if (!Execute(*object))
        return nullptr;
    return object;
}

bool TTool_Text::Execute(Tool_dm_Text& object)
{
    Load(object);
    text_->selectAll();
    text_->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return false;
    Store(object);
    return true;
}

void TTool_Text::Load(const Tool_dm_Text& object)
{
    LoadDepth(object);
    text_->setText(object.Text);
    bold_->setChecked(object.Bold);
    italic_->setChecked(object.Italic);
    underline_->setChecked(object.Underline);
    strikeOut_->setChecked(object.StrikeOut);
    FillFontList(ChooseFace(object.FontName));
    ShowPreview();
}

void TTool_Text::Store(Tool_dm_Text& object) const
{
    StoreDepth(object);
    // A text is never empty: its drawing divides the width among its
    // characters.
    object.Text = text_->text().isEmpty() ? DefaultText() : text_->text();
    object.FontName = SelectedFace();
    object.Bold = bold_->isChecked();
    object.Italic = italic_->isChecked();
    object.Underline = underline_->isChecked();
    object.StrikeOut = strikeOut_->isChecked();
}

void TTool_Text::FillFontList(const QString& face)
{
    QStringList fonts = InstalledFonts();
    // A face drawn by its stand-in is listed under its own name, so the
    // object keeps it.
    if (!ListHolds(fonts, face)) {
        fonts << face;
        std::sort(fonts.begin(), fonts.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    }
    const QSignalBlocker blocker(fonts_);
    fonts_->clear();
    fonts_->addItems(fonts);
    const auto found = std::find_if(fonts.begin(), fonts.end(), [&face](const QString& f) {
        return f.compare(face, Qt::CaseInsensitive) == 0;
    });
    fonts_->setCurrentRow(static_cast<int>(found - fonts.begin()));
    fonts_->scrollToItem(fonts_->currentItem(), QAbstractItemView::PositionAtCenter);
}

QString TTool_Text::SelectedFace() const
{
    const QListWidgetItem* item = fonts_->currentItem();
    return item ? item->text() : QString::fromLatin1(kDefaultFace);
}

void TTool_Text::ShowPreview()
{
    QFont font(SelectedFace());
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    preview_->Show(text_->text().isEmpty() ? DefaultText() : text_->text(), font);
}

} // namespace lumora
