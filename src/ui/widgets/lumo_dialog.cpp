#include "ui/widgets/lumo_dialog.h"

#include "ui/widgets/lumo_title_band.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace lumora {
namespace {

// The frameless window's edge.
constexpr uint32_t kEdgeColour = 8421504;
constexpr int kBodyMargin = 9;

} // namespace

LumoDialog::LumoDialog(const QString& objectName, const QString& caption, const QString& helpPage,
                       QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint), helpPage_(helpPage)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    band_ = new LumoTitleBand(this);
    band_->SetOnClose([this] { CloseBoxClicked(); });
    band_->SetOnHelp([this] { RequestHelp(); });
    outer->addWidget(band_);
    body_ = new QVBoxLayout;
    body_->setContentsMargins(kBodyMargin, kBodyMargin, kBodyMargin, kBodyMargin);
    outer->addLayout(body_);
}

void LumoDialog::RequestHelp()
{
    if (helpRequest_ && !helpPage_.isEmpty())
        helpRequest_(helpPage_);
}

void LumoDialog::AddOkCancelButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    cancel_ = new QPushButton(QStringLiteral("Abbruch"), this);
    cancel_->setObjectName(QStringLiteral("AbbruchButton"));
    // Return confirms the dialog wherever a control leaves the key alone.
    for (QPushButton* button : {ok_, cancel_}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    body_->addLayout(row);
}

void LumoDialog::CloseBoxClicked()
{
    reject();
}

void LumoDialog::changeEvent(QEvent* event)
{
    const bool bandChanges =
        event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange;
    if (band_ && bandChanges) {
        band_->updateGeometry();
        band_->update();
    }
    QDialog::changeEvent(event);
}

void LumoDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        RequestHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LumoDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(DesignColour(kEdgeColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LumoDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    event->accept();
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove())
        return;
    following_ = true;
    grabOffset_ = event->globalPosition().toPoint() - pos();
}

void LumoDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!following_ || !(event->buttons() & Qt::LeftButton)) {
        QDialog::mouseMoveEvent(event);
        return;
    }
    event->accept();
    move(event->globalPosition().toPoint() - grabOffset_);
}

void LumoDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (following_ && event->button() == Qt::LeftButton) {
        following_ = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace lumora
