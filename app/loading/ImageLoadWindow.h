#pragma once

#include "app/loading/ImageLoadProgress.h"
#include "app/loading/ImageLoader.h"
#include "raster/Rastel.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// The "Loading Image" window: two lines describing the file, a progress bar
// over its size, Cancel, and the hidden raster component the picture is fed
// to. It is modeless (loading runs in the caller, processing pending events
// between chunks) but application-modal, so that no other window takes
// input while it shows.
class ImageLoadWindow : public QDialog, public ImageLoadProgress {
    Q_OBJECT
public:
    struct Outcome {
        ImageLoader::Result result = ImageLoader::Failed;
        std::unique_ptr<LoadedImage> image; // set when result is Loaded
    };

    explicit ImageLoadWindow(QWidget* parent = nullptr);

    // Shows the window and loads path; the window stays, with Cancel
    // disabled, until it is destroyed.
    Outcome load(const QString& path);

    // A window for the length of one load.
    static Outcome run(const QString& path, QWidget* parent = nullptr);

    void begin(const QString& sizeLine, const QString& formatLine, qint64 fileSize) override;
    void advance(qint64 fed) override;
    bool cancelled() const override { return m_cancelled; }
    void finish() override;

public slots:
    // Esc, the close box and Cancel all ask to stop; the window stays.
    void reject() override;

private:
    void centre();

    QLabel* m_sizeLine;
    QLabel* m_formatLine;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    CRastel m_rastel;
    bool m_cancelled = false;
};
