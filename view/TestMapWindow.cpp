#include "view/TestMapWindow.h"

#include "document/ImageMapDoc.h"
#include "model/LoadedImage.h"
#include "model/MapText.h"
#include "model/Strings.h"
#include "view/TestMapIntroDialog.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

TestMapWindow::TestMapWindow(const LoadedImage* picture, ClickTargets targets, QWidget* parent)
    : QDialog(parent), m_image(picture), m_targets(std::move(targets)), m_frame(new QWidget(this)),
      m_picture(new QWidget(m_frame)), m_hbar(new QScrollBar(Qt::Horizontal, m_frame)),
      m_vbar(new QScrollBar(Qt::Vertical, m_frame)), m_url(new QLineEdit(this)) {
    setObjectName(QStringLiteral("testMap"));
    setWindowTitle(Strings::text(Str::TestMapTitle));
    m_frame->setObjectName(QStringLiteral("imageFrame"));
    m_picture->setObjectName(QStringLiteral("picture"));
    m_hbar->setObjectName(QStringLiteral("horizontalBar"));
    m_vbar->setObjectName(QStringLiteral("verticalBar"));
    m_url->setObjectName(QStringLiteral("url"));
    m_url->setReadOnly(true);

    // The picture paints every pixel of its widget; moves over the frame
    // around it are off the picture.
    m_picture->setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture->setMouseTracking(true);
    m_frame->setMouseTracking(true);
    m_frame->setMinimumSize(2 * kInset + 1, 2 * kInset + 1);
    m_frame->installEventFilter(this);
    m_picture->installEventFilter(this);
    for (QScrollBar* bar : {m_hbar, m_vbar}) {
        bar->setSingleStep(1);
        bar->setPageStep(kPageStep);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &TestMapWindow::scrolled);
    }

    auto* done = new QPushButton(Strings::text(Str::TestMapDone), this);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    auto* label = new QLabel(Strings::text(Str::TestMapUrl), this);
    label->setBuddy(m_url);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_url, 1);
    row->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addLayout(row);
}

TestMapWindow::~TestMapWindow() = default;

void TestMapWindow::run(const CImageMapDoc& doc, QWidget* parent) {
    if (!TestMapIntroDialog::confirm(parent))
        return;
    ClickTargets targets(QSize(doc.imageWidth(), doc.imageHeight()), doc.mapInfo().defaultUrl);
    for (int i = 0; i < doc.areaCount(); ++i)
        targets.add(*doc.area(i));
    TestMapWindow window(doc.image(), std::move(targets), parent);
    window.exec();
}

QString TestMapWindow::shownUrl() const {
    return m_url->text();
}

QRect TestMapWindow::imageRect() const {
    return m_picture->isHidden() ? QRect() : m_picture->geometry();
}

QPoint TestMapWindow::scrollPosition() const {
    return {m_hbar->value(), m_vbar->value()};
}

QSize TestMapWindow::pictureSize() const {
    return m_image ? QSize(m_image->width(), m_image->height()) : QSize(0, 0);
}

// Grown once, when first shown, to the room the screen offers, less the
// window system's frame.
void TestMapWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_grown)
        return;
    m_grown = true;
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QRect room = shownOn->availableGeometry();
    const QSize decoration = frameGeometry().size() - geometry().size();
    const QPoint inner = geometry().topLeft() - frameGeometry().topLeft();
    setGeometry(QRect(room.topLeft() + inner, room.size() - decoration));
}

bool TestMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_frame) {
        if (event->type() == QEvent::Resize)
            layoutFrame();
        else if (event->type() == QEvent::MouseMove)
            pointOff();
    } else if (watched == m_picture) {
        switch (event->type()) {
        case QEvent::Paint:
            paintPicture(static_cast<QPaintEvent*>(event)->rect());
            return true;
        case QEvent::MouseMove:
            // Taken here: passed on, it would reach the frame as a move off
            // the picture.
            pointAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::Leave:
            pointOff();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Bars first (a bar takes room from the other direction, so the choice is
// made again until it holds), then the picture inset and centred in the
// room that is left.
void TestMapWindow::layoutFrame() {
    const QSize frame = m_frame->size();
    const QSize picture = pictureSize();
    const int barHeight = m_hbar->sizeHint().height();
    const int barWidth = m_vbar->sizeHint().width();
    bool across = false, down = false;
    QSize room = frame;
    for (int pass = 0; pass < 3; ++pass) {
        room =
            QSize(frame.width() - (down ? barWidth : 0), frame.height() - (across ? barHeight : 0));
        across = picture.width() > room.width() - 2 * kInset;
        down = picture.height() > room.height() - 2 * kInset;
    }
    room = QSize(frame.width() - (down ? barWidth : 0), frame.height() - (across ? barHeight : 0));
    const QRect inner = QRect(QPoint(0, 0), room).adjusted(kInset, kInset, -kInset, -kInset);
    const QSize shown = picture.boundedTo(inner.size()).expandedTo(QSize(0, 0));
    const QRect place(inner.x() + (inner.width() - shown.width()) / 2,
                      inner.y() + (inner.height() - shown.height()) / 2, shown.width(),
                      shown.height());

    m_hbar->setGeometry(0, room.height(), room.width(), barHeight);
    m_vbar->setGeometry(room.width(), 0, barWidth, room.height());
    m_hbar->setRange(0, across ? picture.width() - shown.width() : 0);
    m_vbar->setRange(0, down ? picture.height() - shown.height() : 0);
    m_hbar->setVisible(across);
    m_vbar->setVisible(down);
    m_picture->setGeometry(place);
    m_picture->setVisible(!shown.isEmpty());
    m_picture->update();
}

void TestMapWindow::paintPicture(const QRect& exposed) {
    QPainter painter(m_picture);
    const QRect part = exposed & m_picture->rect();
    if (!m_image || part.isEmpty())
        return;
    painter.drawImage(part.topLeft(),
                      m_stretch.render(*m_image, ZoomLevel(), scrollPosition(), part));
}

void TestMapWindow::pointAt(QPoint inPicture) {
    if (!m_picture->rect().contains(inPicture)) {
        pointOff();
        return;
    }
    showTarget(m_targets.targetAt(inPicture + scrollPosition()));
}

void TestMapWindow::pointOff() {
    showTarget(ClickTargets::kOutsidePicture);
}

// The picture moves under a mouse that stays where it is.
void TestMapWindow::scrolled() {
    m_picture->update();
    if (m_picture->underMouse())
        pointAt(m_picture->mapFromGlobal(QCursor::pos()));
}

void TestMapWindow::showTarget(int target) {
    if (target == m_target)
        return;
    m_target = target;
    m_url->setText(MapText::toDisplay(m_targets.urlOf(target)));
}
