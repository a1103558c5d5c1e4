#include "ui/app/tprefs.h"

#include "app/application_settings.h"
#include "app/language_manager.h"
#include "common/lumora_error.h"
#include "history/history_list_dm.h"
#include "project/project.h"
#include "ui/app/file_dialogs.h"
#include "ui/app/program_context.h"
#include "ui/app/tmessage_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace lumora {

namespace {

constexpr int kPageWidth = 420;
constexpr int kPageHeight = 230;

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A language's own text: not translated.
QLabel* ValueLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QSpinBox* NamedSpin(const char* name, int minimum, int maximum, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    return spin;
}

} // namespace

TPrefs::TPrefs(ProgramContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("Prefs"));
    setWindowTitle(QStringLiteral("Voreinstellungen"));
    setModal(true);
    BuildControls();
    ConnectControls();
    ShowPage(Page::General);
}

QWidget* TPrefs::BuildGeneralPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("GeneralPage"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(NamedLabel("UndoStepsLabel", QStringLiteral("Undo steps:"), page), 0, 0);
    undoSteps_ = NamedSpin("UndoStepsEdit", kMinUndoSteps, kMaxUndoSteps, page);
    grid->addWidget(undoSteps_, 0, 1);
    grid->addWidget(NamedButton("UndoResetButton", QStringLiteral("Reset"), page), 0, 2);
    startDialog_ = new QCheckBox(QStringLiteral(" Start Dialog anzeigen"), page);
    startDialog_->setObjectName(QStringLiteral("StartDialogCheck"));
    grid->addWidget(startDialog_, 1, 0, 1, 3);
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 2, 0, 1, 4);
    QLabel* defaults =
        NamedLabel("RenderDefaultLabel",
                   QStringLiteral("Aktuelle Render Einstellungen als Standard speichern:"), page);
    defaults->setWordWrap(true);
    grid->addWidget(defaults, 3, 0, 1, 4);
    grid->addWidget(NamedButton("SetDefaultButton", QStringLiteral("Set as default"), page), 4, 0,
                    1, 2, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TPrefs::BuildLanguagePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("LanguagePage"));
    auto* layout = new QHBoxLayout(page);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(
        NamedLabel("LanguagesLabel", QStringLiteral("Verfügbare Sprachen:"), page));
    languages_ = new QListWidget(page);
    languages_->setObjectName(QStringLiteral("LanguageList"));
    languages_->setFixedWidth(170);
    listColumn->addWidget(languages_);
    layout->addLayout(listColumn);

    auto* details = new QVBoxLayout;
    details->addSpacing(20);
    details->addWidget(NamedLabel("TranslatedByLabel", QStringLiteral("Translated by: "), page));
    author_ = ValueLabel("AuthorText", page);
    QFont bold = author_->font();
    bold.setBold(true);
    author_->setFont(bold);
    details->addWidget(author_);
    contact_ = ValueLabel("ContactText", page);
    details->addWidget(contact_);
    details->addSpacing(8);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(NamedLabel("VersionLabel", QStringLiteral("Version: "), page));
    version_ = ValueLabel("VersionText", page);
    versionRow->addWidget(version_);
    versionRow->addStretch();
    details->addLayout(versionRow);
    details->addStretch();
    details->addWidget(
        NamedButton("ImportLanguageButton", QStringLiteral("Import Language..."), page), 0,
        Qt::AlignLeft);
    layout->addLayout(details, 1);
    return page;
}

QWidget* TPrefs::BuildProjectPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ProjectPage"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(NamedLabel("QualityLabel", QStringLiteral("Bild Qualität:"), page), 0, 0, 1, 4);
    grid->addWidget(NamedLabel("LowLabel", QStringLiteral("Low"), page), 1, 0);
    quality_ = new QSlider(Qt::Horizontal, page);
    quality_->setObjectName(QStringLiteral("QualitySlider"));
    quality_->setRange(0, kMaxImageQuality);
    quality_->setPageStep(10);
    quality_->setTickPosition(QSlider::TicksBelow);
    quality_->setTickInterval(10);
    grid->addWidget(quality_, 1, 1);
    grid->addWidget(NamedLabel("HighLabel", QStringLiteral("High"), page), 1, 2);
    qualityField_ = NamedSpin("QualityEdit", 0, kMaxImageQuality, page);
    grid->addWidget(qualityField_, 1, 3);
    grid->addWidget(NamedButton("QualityResetButton", QStringLiteral("Reset"), page), 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void TPrefs::BuildControls()
{
    auto* pageButtons = new QVBoxLayout;
    auto* group = new QButtonGroup(this);
    const std::pair<const char*, QString> buttons[] = {
        {"GeneralButton", QStringLiteral("General")},
        {"SpracheButton", QStringLiteral("Sprache")},
        {"ProjectSaveButton", QStringLiteral("Project save")},
    };
    for (const auto& [name, caption] : buttons) {
        QPushButton* button = NamedButton(name, caption, this);
        button->setCheckable(true);
        button->setMinimumWidth(110);
        group->addButton(button);
        pageButtons->addWidget(button);
    }
    pageButtons->addStretch();

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->setFrameShape(QFrame::StyledPanel);
    pages_->addWidget(BuildGeneralPage());
    pages_->addWidget(BuildLanguagePage());
    pages_->addWidget(BuildProjectPage());
    pages_->setFixedSize(kPageWidth, kPageHeight);

    auto* body = new QHBoxLayout;
    body->addLayout(pageButtons);
    body->addWidget(pages_);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NamedButton("HelpButton", QStringLiteral("?"), this));
    bottom->addStretch();
    QPushButton* ok = NamedButton("OKButton", QStringLiteral("OK"), this);
    ok->setDefault(true);
    bottom->addWidget(ok);
    bottom->addWidget(NamedButton("AbbruchButton", QStringLiteral("Abbruch"), this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPrefs::ConnectControls()
{
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("GeneralButton"), &QPushButton::clicked, this,
            [this] { ShowPage(Page::General); });
    connect(button("SpracheButton"), &QPushButton::clicked, this,
            [this] { ShowPage(Page::Language); });
    connect(button("ProjectSaveButton"), &QPushButton::clicked, this,
            [this] { ShowPage(Page::ProjectSave); });
    connect(button("UndoResetButton"), &QPushButton::clicked, this,
            [this] { undoSteps_->setValue(kDefaultUndoSteps); });
    connect(button("SetDefaultButton"), &QPushButton::clicked, this,
            [this] { SetAsDefaultClicked(); });
    connect(languages_, &QListWidget::currentRowChanged, this,
            [this](int row) { ShowLanguageDetails(row); });
    connect(button("ImportLanguageButton"), &QPushButton::clicked, this,
            [this] { ImportLanguageClicked(); });
    connect(quality_, &QSlider::valueChanged, this, [this](int v) { QualityFromSlider(v); });
    connect(qualityField_, &QSpinBox::valueChanged, this, [this](int v) { QualityFromField(v); });
    connect(button("QualityResetButton"), &QPushButton::clicked, this,
            [this] { qualityField_->setValue(kDefaultImageQuality); });
    connect(button("HelpButton"), &QPushButton::clicked, this, [this] {
        if (help_)
            help_(QString::fromLatin1(kHelpPage));
    });
    connect(button("OKButton"), &QPushButton::clicked, this, [this] { Apply(); });
    connect(button("AbbruchButton"), &QPushButton::clicked, this, &QDialog::reject);
}

void TPrefs::ShowPage(Page page)
{
    pages_->setCurrentIndex(static_cast<int>(page));
    const char* names[] = {"GeneralButton", "SpracheButton", "ProjectSaveButton"};
    findChild<QPushButton*>(QString::fromLatin1(names[static_cast<int>(page)]))->setChecked(true);
}

TPrefs::Page TPrefs::CurrentPage() const
{
    return static_cast<Page>(pages_->currentIndex());
}

void TPrefs::SetStartDialogShown(bool shown)
{
    startDialog_->setChecked(shown);
}

bool TPrefs::StartDialogShown() const
{
    return startDialog_->isChecked();
}

bool TPrefs::Execute()
{
    const ApplicationSettings& settings = context_.Settings();
    ShowLanguages();
    SetStartDialogShown(!settings.WelcomeDialog);
    qualityField_->setValue(settings.Project_image_quality);
    quality_->setValue(settings.Project_image_quality);
    undoSteps_->setValue(context_.History().MaxSteps());
    ShowPage(Page::General);
    return exec() == QDialog::Accepted;
}

void TPrefs::ShowLanguages()
{
    const LanguageManager& languages = context_.Languages();
    languages_->clear();
    languages_->addItems(languages.DisplayNames());
    const int current = languages.FindItem(languages.CurrentLanguageName());
    languages_->setCurrentRow(current);
    ShowLanguageDetails(current);
}

void TPrefs::ShowLanguageDetails(int item)
{
    const auto& entries = context_.Languages().Entries();
    if (item < 0 || static_cast<size_t>(item) >= entries.size()) {
        author_->clear();
        contact_->clear();
        version_->clear();
        return;
    }
    const LanguageListEntry& entry = entries[static_cast<size_t>(item)];
    author_->setText(entry.Author);
    contact_->setText(entry.Contact);
    version_->setText(entry.Version);
}

void TPrefs::QualityFromSlider(int value)
{
    if (qualityGuard_)
        return;
    qualityGuard_ = true;
    qualityField_->setValue(value);
    qualityGuard_ = false;
}

void TPrefs::QualityFromField(int value)
{
    if (qualityGuard_)
        return;
    qualityGuard_ = true;
    quality_->setValue(value);
    qualityGuard_ = false;
}

void TPrefs::SetAsDefaultClicked()
{
    context_.Store().SaveRenderOptions(context_.CurrentProject().Options);
}

void TPrefs::ImportLanguageClicked()
{
    const QString source = context_.Dialogs().OpenFileName(
        this, QString(), {QString::fromLatin1(kLanguageFileFilter)});
    if (source.isEmpty())
        return;
    const auto confirmOverwrite = [this](const QString&) {
        return context_.Ask(context_.Texts().MessageText(u"OverwriteFile")) == TMessage_Form::kYes;
    };
    try {
        const QString folder =
            QDir(context_.ProgramDirectory()).filePath(QStringLiteral("languages"));
        if (context_.Languages().ImportLanguage(source, folder, confirmOverwrite, context_) ==
            ImportResult::Copied)
            context_.LanguageApplied();
    } catch (const LumoraError& e) {
        context_.Tell(QString::fromUtf8(e.what()));
    }
    ShowLanguages();
}

void TPrefs::ApplyLanguageChoice()
{
    LanguageManager& languages = context_.Languages();
    const int item = languages_->currentRow();
    if (languages.ChooseItem(item, context_)) {
        context_.LanguageApplied();
        return;
    }
    const auto& entries = languages.Entries();
    if (item >= 0 && static_cast<size_t>(item) < entries.size() &&
        entries[static_cast<size_t>(item)].DisplayName != languages.CurrentLanguageName())
        context_.Tell(QStringLiteral("The language file %1 cannot be read any more.")
                          .arg(QFileInfo(entries[static_cast<size_t>(item)].Path).fileName()));
}

void TPrefs::Apply()
{
    ApplyLanguageChoice();
    ApplicationSettings& settings = context_.Settings();
    settings.WelcomeDialog = !StartDialogShown();
    settings.Project_image_quality = quality_->value();
    settings.Max_Undo_Steps = undoSteps_->value();
    context_.History().SetMaxSteps(undoSteps_->value());
    accept();
}

} // namespace lumora
