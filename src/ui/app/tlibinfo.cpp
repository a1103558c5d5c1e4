#include "ui/app/tlibinfo.h"

#include "app/picture_library.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumora {

namespace {

constexpr int kValueWidth = 320;

QLabel* CaptionLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The library's own text: not translated, selectable, wrapped.
QLabel* ValueLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setMinimumWidth(kValueWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TLibInfo::TLibInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LibInfo"));
    setWindowTitle(QStringLiteral("Library Info"));
    setModal(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(CaptionLabel("CreatedByLabel", QStringLiteral("Created by:"), this), 0, 0);
    creator_ = ValueLabel("CreatorText", this);
    grid->addWidget(creator_, 0, 1);
    grid->addWidget(CaptionLabel("ContactLabel", QStringLiteral("Contact:"), this), 1, 0);
    contact_ = ValueLabel("ContactText", this);
    grid->addWidget(contact_, 1, 1);
    grid->addWidget(CaptionLabel("CopyrightLabel", QStringLiteral("Copyright:"), this), 2, 0);
    copyright_ = ValueLabel("CopyrightText", this);
    grid->addWidget(copyright_, 2, 1);
    grid->addWidget(CaptionLabel("InformationLabel", QStringLiteral("Information:"), this), 3, 0);
    information_ = ValueLabel("InformationText", this);
    grid->addWidget(information_, 3, 1);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TLibInfo::SetTexts(const LibraryTexts& texts)
{
    creator_->setText(texts.Creator);
    contact_->setText(texts.Contact);
    copyright_->setText(texts.Copyright);
    information_->setText(texts.Information);
}

void TLibInfo::ShowTexts(const LibraryTexts& texts)
{
    SetTexts(texts);
    exec();
}

} // namespace lumora
