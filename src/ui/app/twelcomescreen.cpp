#include "ui/app/twelcomescreen.h"

#include "ui/widgets/colour_value.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumora {

namespace {

constexpr int kIconSide = 32;
constexpr Colour kLinkColour = 10511420;

QString LinkStyle()
{
    const QColor link = ToQColor(kLinkColour);
    return QStringLiteral("QPushButton { color: %1; border: none; text-align: left; "
                          "text-decoration: underline; font-weight: bold; padding: 2px; }"
                          "QPushButton:hover { color: %2; }")
        .arg(link.name(), link.darker(140).name());
}

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TWelcomeScreen::TWelcomeScreen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WelcomeScreen"));
    setWindowTitle(QStringLiteral("Welcome"));
    setModal(true);

    QLabel* heading = NamedLabel("HeadingLabel", QStringLiteral("Lumora Release 2"), this);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    heading->setFont(big);
    QLabel* question = NamedLabel("QuestionLabel", QStringLiteral("Was möchten Sie tun?"), this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(1, 1);
    AddEntry(*grid, 0, "Start", QStringLiteral("Start"), QStyle::SP_MediaPlay,
             [this] { Close(Choice::Start); });
    AddEntry(*grid, 1, "NewProject", QStringLiteral("Neues Projekt"), QStyle::SP_FileIcon,
             [this] { NewProjectClicked(); });
    AddEntry(*grid, 2, "OpenProject", QStringLiteral("Project öffnen"), QStyle::SP_DirOpenIcon,
             [this] { OpenProjectClicked(); });
    AddEntry(*grid, 3, "GettingStarted", QStringLiteral("Getting started"),
             QStyle::SP_DialogHelpButton, [this] { Close(Choice::GettingStarted); });
    AddEntry(*grid, 4, "Ende", QStringLiteral("Ende"), QStyle::SP_BrowserStop,
             [this] { Close(Choice::Ende); });

    dontShow_ = new QCheckBox(QStringLiteral("Don't show this dialog again"), this);
    dontShow_->setObjectName(QStringLiteral("DontShowCheck"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->addWidget(heading);
    layout->addWidget(question);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addSpacing(14);
    layout->addWidget(dontShow_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TWelcomeScreen::AddEntry(QGridLayout& grid, int row, const char* name, const QString& caption,
                              int standardIcon, const std::function<void()>& action)
{
    auto* icon = new QToolButton(this);
    icon->setObjectName(QString::fromLatin1(name) + QStringLiteral("Image"));
    icon->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon)));
    icon->setIconSize(QSize(kIconSide, kIconSide));
    icon->setAutoRaise(true);
    icon->setCursor(Qt::PointingHandCursor);
    icon->setFocusPolicy(Qt::NoFocus);
    auto* link = new QPushButton(caption, this);
    link->setObjectName(QString::fromLatin1(name) + QStringLiteral("Link"));
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(LinkStyle());
    connect(icon, &QToolButton::clicked, this, action);
    connect(link, &QPushButton::clicked, this, action);
    grid.addWidget(icon, row, 0);
    grid.addWidget(link, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
}

TWelcomeScreen::Choice TWelcomeScreen::Execute(const Actions& actions)
{
    actions_ = actions;
    choice_ = Choice::Start;
    chosenProject_.clear();
    exec();
    actions_ = {};
    return choice_;
}

bool TWelcomeScreen::DontShowAgain() const
{
    return dontShow_->isChecked();
}

void TWelcomeScreen::SetDontShowAgain(bool dontShow)
{
    dontShow_->setChecked(dontShow);
}

void TWelcomeScreen::reject()
{
    // The title-bar "X" and Escape are "Start".
    choice_ = Choice::Start;
    QDialog::reject();
}

void TWelcomeScreen::Close(Choice choice)
{
    choice_ = choice;
    QDialog::accept();
}

void TWelcomeScreen::NewProjectClicked()
{
    if (actions_.NewProject && actions_.NewProject())
        Close(Choice::NewProject);
}

void TWelcomeScreen::OpenProjectClicked()
{
    if (!actions_.ChooseProject)
        return;
    const QString path = actions_.ChooseProject();
    if (path.isEmpty())
        return;
    chosenProject_ = path;
    Close(Choice::OpenProject);
}

} // namespace lumora
