#include "ui/widgets/picture_view.h"

#include "ui/widgets/lumo_ruler.h"

#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

namespace lumora {

namespace {

constexpr int kFrame = 2;

} // namespace

// The picture with its frame; the picture sits kFrame pixels inside.
class PictureCanvas : public QWidget
{
public:
    explicit PictureCanvas(QWidget* parent) : QWidget(parent) { setObjectName("DMC_Background"); }

    void SetPicture(const QImage& picture)
    {
        picture_ = picture;
        const QSize size = picture_.isNull() ? QSize(0, 0) : picture_.size();
        setFixedSize(size + QSize(2 * kFrame, 2 * kFrame));
        update();
    }
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::darkGray);
        if (!picture_.isNull())
            painter.drawImage(kFrame, kFrame, picture_);
    }

private:
    QImage picture_;
};

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("LumoScrollBox1"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Mid);
    canvas_ = new PictureCanvas(scroll_);
    canvas_->SetPicture(QImage());
    scroll_->setWidget(canvas_);

    top_ = new LumoRuler(Qt::Horizontal, this);
    top_->setObjectName(QStringLiteral("LumoRuler1"));
    left_ = new LumoRuler(Qt::Vertical, this);
    left_->setObjectName(QStringLiteral("LumoRuler2"));
    auto* corner = new QWidget(this);
    corner->setFixedSize(LumoRuler::kThickness, LumoRuler::kThickness);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(corner, 0, 0);
    layout->addWidget(top_, 0, 1);
    layout->addWidget(left_, 1, 0);
    layout->addWidget(scroll_, 1, 1);

    connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &PictureView::FollowScrolling);
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PictureView::FollowScrolling);
    canvas_->installEventFilter(this);
    scroll_->viewport()->installEventFilter(this);
}

void PictureView::SetPicture(const QImage& picture)
{
    canvas_->SetPicture(picture);
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
    FollowScrolling();
}

const QImage& PictureView::Picture() const
{
    return canvas_->Picture();
}

void PictureView::SetAlignment(Qt::Alignment alignment)
{
    scroll_->setAlignment(alignment);
    FollowScrolling();
}

void PictureView::SetPictureCursor(const QCursor& cursor)
{
    canvas_->setCursor(cursor);
}

QCursor PictureView::PictureCursor() const
{
    return canvas_->cursor();
}

QPoint PictureView::PictureOrigin() const
{
    return canvas_->pos() + QPoint(kFrame, kFrame);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        FollowScrolling();
    return QWidget::eventFilter(watched, event);
}

void PictureView::FollowScrolling()
{
    // The rulers and the viewport start at the same offset in this view.
    const QPoint origin = scroll_->viewport()->mapTo(this, PictureOrigin());
    top_->SetStart(origin.x() - top_->x());
    left_->SetStart(origin.y() - left_->y());
}

} // namespace lumora
