#include "PictureFileSet.h"

#include "ProgressBar.h"
#include "RasterImage.h"

#include <QTextStream>

#include <memory>
#include <vector>

namespace imgfxcli {

namespace {

// The request's files as the filter reads and writes them.
class PictureFileSet final : public PictureFiles {
public:
    explicit PictureFileSet(const CliRequest& request)
        : request_(request), images_(size_t(request.files.size())),
          written_(size_t(request.files.size()), false) {}

    int count() const override { return int(request_.files.size()); }

    RasterBitmap* read(int i) override {
        if (i < 0 || i >= count())
            return nullptr;
        auto image = std::make_unique<RasterImage>();
        QString error;
        if (!image->load(request_.files[i], &error, request_.bottomUp)) {
            errors_ << error;
            return nullptr;
        }
        for (const RegionShape& s : request_.shapes)
            if (image->addRect(s.x, s.y, s.w, s.h, s.ellipse) != K_OK) {
                errors_ << QStringLiteral("cannot set the region on %1").arg(request_.files[i]);
                return nullptr;
            }
        images_[size_t(i)] = std::move(image);
        return images_[size_t(i)]->bitmap();
    }

    RasterBitmap* write(int i) override {
        if (i < 0 || i >= count())
            return nullptr;
        images_[size_t(i)] = std::make_unique<RasterImage>();
        written_[size_t(i)] = true;
        return images_[size_t(i)]->bitmap();
    }

    const QStringList& errors() const { return errors_; }

    // Writes the pictures the filter made; false with a message on the
    // first that cannot be written.
    bool save(QString* error) const {
        for (int i = 0; i < count(); ++i)
            if (written_[size_t(i)] && !images_[size_t(i)]->save(request_.files[i], error))
                return false;
        return true;
    }

private:
    const CliRequest& request_;
    std::vector<std::unique_ptr<RasterImage>> images_;
    std::vector<bool> written_;
    QStringList errors_;
};

} // namespace

int runFilesRequest(const CliRequest& request, QTextStream& out, QTextStream& err) {
    PictureFileSet files(request);
    KStatusCallback old = KSetStatusCallback(request.progress ? progressBarCallback : nullptr);
    const int status = request.filter->runFiles(request.args, files);
    KSetStatusCallback(old);
    if (request.progress)
        finishProgressBar();
    if (!files.errors().isEmpty()) {
        for (const QString& e : files.errors())
            err << "imgfx-cli: " << e << Qt::endl;
        return ExitInput;
    }
    out << statusName(status) << Qt::endl;
    if (status != FX_OK)
        return ExitFilterFailed;
    QString error;
    if (!files.save(&error)) {
        err << "imgfx-cli: " << error << Qt::endl;
        return ExitOutput;
    }
    return ExitOk;
}

} // namespace imgfxcli
