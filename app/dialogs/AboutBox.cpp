#include "app/dialogs/AboutBox.h"

#include "app/dialogs/DialogParts.h"
#include "model/Strings.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#ifndef TESSARY_VERSION
#error "TESSARY_VERSION must name the program's version"
#endif

namespace {

constexpr int kTextMargin = 8;

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_rastel(this),
      m_version(new QLabel(versionText(), this)) {
    QFile file(picturePath(screen() ? screen()->depth() : 24));
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    m_rastel.loadMemory(bytes, qint32(bytes.size()));
    const QSize size = pictureSize();
    setFixedSize(size);
    m_rastel.widget()->setGeometry(0, 0, size.width(), size.height());
    m_rastel.widget()->installEventFilter(this);
    m_rastel.setPainting(true);
    m_rastel.repaint();

    m_version->setObjectName(QStringLiteral("version"));
    m_version->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_version->adjustSize();
    m_version->move(size.width() - m_version->width() - kTextMargin,
                    size.height() - m_version->height() - kTextMargin);
    m_version->raise();
    DialogParts::centreOnScreen(*this);
}

QString AboutBox::picturePath(int depth) {
    return depth < 8 ? QStringLiteral(":/about/about.gif") : QStringLiteral(":/about/about.jpg");
}

QString AboutBox::versionText() {
    return Strings::text(Str::AboutVersionLead) + QStringLiteral(TESSARY_VERSION);
}

QSize AboutBox::pictureSize() const {
    return QSize(int(m_rastel.pictureWidth()), int(m_rastel.pictureHeight()));
}

void AboutBox::keyPressEvent(QKeyEvent*) {
    accept();
}

void AboutBox::mousePressEvent(QMouseEvent*) {
    accept();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
