#pragma once

#include <QString>

// What the image loader tells whoever shows its progress, and asks it. The
// "Loading Image" window is one; tests script others.
class ImageLoadProgress {
public:
    virtual ~ImageLoadProgress() = default;

    // The file was queried: the two lines describing it and the file size
    // the progress runs to.
    virtual void begin(const QString& sizeLine, const QString& formatLine, qint64 fileSize) = 0;
    // fed bytes of the file have been handed to the component so far. The
    // window processes pending events here, which is when a click on
    // Cancel can arrive.
    virtual void advance(qint64 fed) = 0;
    // True once the user has asked to stop; asked before every chunk.
    virtual bool cancelled() const = 0;
    // Feeding is over; cancelling no longer applies.
    virtual void finish() = 0;
};
