#include "ui/help/tinfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef LUMORA_VERSION
#define LUMORA_VERSION "0"
#endif

namespace lumora {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

TInfo::TInfo()
{
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QLabel* name = NamedLabel("ProgramLabel", QStringLiteral("Lumora Release 2"), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPixelSize(22);
    name->setFont(big);
    layout->addWidget(name);
    version_ = NamedLabel("VersionLabel", QString(), this);
    layout->addWidget(version_);
    layout->addWidget(NamedLabel(
        "PurposeLabel",
        QStringLiteral("A design tool for single-image stereograms: depth maps, tile maps and "
                       "the afterburner."),
        this));
    layout->addWidget(NamedLabel(
        "AuthorLabel", QStringLiteral("Designed by Orrin Hale. Published by Velbrook."), this));
    layout->addWidget(NamedLabel(
        "CreditsLabel",
        QStringLiteral("Built with Qt 6, libjpeg-turbo, libpng, zlib, lib3ds and GLU; text in "
                       "the Liberation fonts."),
        this));
    auto* buttons = new QHBoxLayout;
    auto* credits = new QPushButton(QStringLiteral("Credits..."), this);
    credits->setObjectName(QStringLiteral("Button_Credits"));
    credits->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button_OK"));
    ok->setDefault(true);
    buttons->addWidget(credits);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(380);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(credits, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(QString::fromLatin1(kCreditsPage));
    });
}

void TInfo::Execute(const QString& versionCaption)
{
    version_->setText(versionCaption + ProgramVersion());
    exec();
}

void TInfo::SetShowHelp(std::function<void(const QString&)> showHelp)
{
    showHelp_ = std::move(showHelp);
}

QString TInfo::ProgramVersion()
{
    return QStringLiteral(LUMORA_VERSION);
}

} // namespace lumora
