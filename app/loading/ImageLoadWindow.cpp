#include "app/loading/ImageLoadWindow.h"

#include "app/dialogs/DialogParts.h"
#include "model/Strings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ImageLoadWindow::ImageLoadWindow(QWidget* parent)
    : QDialog(parent), m_sizeLine(new QLabel(this)), m_formatLine(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_rastel(this) {
    setWindowTitle(Strings::text(Str::LoadingImageTitle));
    setWindowModality(Qt::ApplicationModal);
    m_sizeLine->setObjectName(QStringLiteral("sizeLine"));
    m_formatLine->setObjectName(QStringLiteral("formatLine"));
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 0);
    m_progress->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &ImageLoadWindow::reject);
    m_rastel.widget()->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sizeLine);
    layout->addWidget(m_formatLine);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void ImageLoadWindow::centre() {
    adjustSize();
    DialogParts::centreOnScreen(*this);
}

ImageLoadWindow::Outcome ImageLoadWindow::load(const QString& path) {
    m_cancelled = false;
    m_cancel->setEnabled(true);
    centre();
    show();
    ImageLoader loader(m_rastel, *this);
    Outcome outcome;
    outcome.result = loader.load(path);
    outcome.image = loader.takeImage();
    finish();
    return outcome;
}

ImageLoadWindow::Outcome ImageLoadWindow::run(const QString& path, QWidget* parent) {
    ImageLoadWindow window(parent);
    return window.load(path);
}

void ImageLoadWindow::begin(const QString& sizeLine, const QString& formatLine, qint64 fileSize) {
    m_sizeLine->setText(sizeLine);
    m_formatLine->setText(formatLine);
    m_progress->setRange(0, int(qBound(qint64(0), fileSize, qint64(INT32_MAX))));
    m_progress->setValue(0);
    centre();
}

void ImageLoadWindow::advance(qint64 fed) {
    m_progress->setValue(int(qMin<qint64>(fed, m_progress->maximum())));
    QCoreApplication::processEvents();
}

void ImageLoadWindow::finish() {
    m_cancel->setEnabled(false);
}

void ImageLoadWindow::reject() {
    m_cancelled = true;
}
