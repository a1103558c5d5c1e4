#include "ui/help/thelp.h"

#include "common/lumora_error.h"
#include "ui/help/help_page_view.h"
#include "ui/help/help_title_band.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumora {

namespace {

constexpr int kWindowWidth = 560;
constexpr int kWindowHeight = 640;
constexpr int kScrollLine = 15;
constexpr QRgb kFrameColour = 0x5F88C3;

} // namespace

THelp::THelp(QString helpFolder) : helpFolder_(std::move(helpFolder)), help_(0, 0)
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMinimumSize(320, 240);
    help_.Look = HelpWindowLook();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    band_ = new HelpTitleBand(this);
    layout->addWidget(band_);
    layout->addWidget(BuildButtons());
    auto* pageRow = new QHBoxLayout;
    pageRow->setSpacing(0);
    view_ = new HelpPageView(help_, this);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("ScrollBar1"));
    scrollBar_->setSingleStep(kScrollLine);
    pageRow->addWidget(view_, 1);
    pageRow->addWidget(scrollBar_);
    layout->addLayout(pageRow, 1);
    auto* gripRow = new QHBoxLayout;
    gripRow->addStretch();
    gripRow->addWidget(new QSizeGrip(this));
    layout->addLayout(gripRow);

    connect(band_->CloseButton(), &QToolButton::clicked, this, &QWidget::close);
    connect(band_->HelpButton(), &QToolButton::clicked, this,
            [this] { ShowPage(QString::fromLatin1(kAboutHelpPage), true); });
    connect(scrollBar_, &QScrollBar::valueChanged, view_, &HelpPageView::SetScrollPosition);
    view_->OnScrollRequest = [this](int position) { ScrollTo(position); };
    view_->OnLinkClicked = [this](int x, int y) {
        Run([this, x, y] { help_.FollowLinkAt(x, y); });
    };
    view_->OnWidthChanged = [this] { ViewResized(); };
    help_.OnLoadHelpScript = [this] { PageLoaded(); };

    resize(kWindowWidth, kWindowHeight);
    layout->activate();
    help_.SetWidth(view_->width());
    help_.DefaultHeight = view_->height();
    Run([this] { help_.LoadPage(helpFolder_ + QString::fromLatin1(kHelpIndexPage), true); });
}

THelp::~THelp() = default;

QWidget* THelp::BuildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 4, 4, 4);
    back_ = AddButton("Button_Back", QStringLiteral("Back"), row);
    forward_ = AddButton("Button_Forward", QStringLiteral("Forward"), row);
    QPushButton* home = AddButton("Button_Home", QStringLiteral("Home"), row);
    layout->addWidget(back_);
    layout->addWidget(forward_);
    layout->addWidget(home);
    layout->addStretch();
    QPushButton* close = AddButton("Button_Close", QStringLiteral("Close"), row);
    layout->addWidget(close);
    connect(back_, &QPushButton::clicked, this, [this] { Back(); });
    connect(forward_, &QPushButton::clicked, this, [this] { Forward(); });
    connect(home, &QPushButton::clicked, this, [this] { Home(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

QPushButton* THelp::AddButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void THelp::ShowPage(const QString& pageName, bool show)
{
    Run([this, &pageName] { help_.LoadPage(helpFolder_ + pageName, true); });
    if (!show)
        return;
    // A modal dialog's "?" would otherwise show a window nobody can use.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal && modal != this ? Qt::ApplicationModal : windowModality();
    if (isVisible() && wanted != windowModality())
        hide();
    if (!isVisible())
        setWindowModality(modal && modal != this ? Qt::ApplicationModal : Qt::NonModal);
    this->show();
    raise();
    activateWindow();
}

void THelp::SetCursors(const QCursor& defaultCursor, const QCursor& linkCursor)
{
    view_->SetCursors(defaultCursor, linkCursor);
}

void THelp::SetErrorReport(std::function<void(const QString&)> report)
{
    reportError_ = std::move(report);
}

void THelp::Back()
{
    Run([this] { help_.GoBack(); });
}

void THelp::Forward()
{
    Run([this] { help_.GoForward(); });
}

void THelp::Home()
{
    ShowPage(QString::fromLatin1(kHelpIndexPage), true);
}

void THelp::Run(const std::function<void()>& load)
{
    try {
        load();
    } catch (const LumoraError& e) {
        view_->update();
        if (reportError_)
            reportError_(QString::fromUtf8(e.what()));
    }
    view_->update();
}

void THelp::PageLoaded()
{
    UpdateScrollRange();
    scrollBar_->setValue(0);
    view_->SetScrollPosition(0);
    back_->setVisible(help_.CanGoBack());
    forward_->setVisible(help_.CanGoForward());
}

void THelp::UpdateScrollRange()
{
    const int visible = std::max(view_->height(), 1);
    scrollBar_->setPageStep(visible);
    scrollBar_->setRange(0, std::max(0, help_.Height() - visible));
}

void THelp::ViewResized()
{
    help_.DefaultHeight = view_->height();
    if (view_->width() == help_.Width() && help_.PageFound()) {
        UpdateScrollRange();
        return;
    }
    const int position = scrollBar_->value();
    help_.SetWidth(view_->width());
    Run([this] { help_.Reload(); });
    ScrollTo(position);
}

void THelp::ScrollTo(int position)
{
    scrollBar_->setValue(position);
}

void THelp::changeEvent(QEvent* event)
{
    // The band exists once the constructor has built it.
    if (band_ && event->type() == QEvent::ActivationChange)
        band_->ShowActive(isActiveWindow());
    else if (band_ && event->type() == QEvent::WindowTitleChange)
        band_->update();
    QWidget::changeEvent(event);
}

void THelp::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_PageDown:
        ScrollTo(scrollBar_->value() + scrollBar_->pageStep());
        return;
    case Qt::Key_PageUp:
        ScrollTo(scrollBar_->value() - scrollBar_->pageStep());
        return;
    case Qt::Key_Down:
        ScrollTo(scrollBar_->value() + kScrollLine);
        return;
    case Qt::Key_Up:
        ScrollTo(scrollBar_->value() - kScrollLine);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void THelp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(QColor(kFrameColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace lumora
