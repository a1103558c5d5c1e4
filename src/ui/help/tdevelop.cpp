#include "ui/help/tdevelop.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumora {

TDevelop::TDevelop()
{
    setObjectName(QStringLiteral("Develop"));
    setWindowTitle(QStringLiteral("Development"));
    setWindowFlags(Qt::Window);
    resize(560, 420);

    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Language log:"), this);
    caption->setObjectName(QStringLiteral("LanguageLogLabel"));
    layout->addWidget(caption);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("LanguageLog"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(memo_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button_Close"));
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TDevelop::SetLog(const QStringList& lines)
{
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TDevelop::Log() const
{
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

} // namespace lumora
