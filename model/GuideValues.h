#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// A grid of guide areas as the Create Guides dialog gives it, in image
// pixels; the defaults are those the dialog offers on first use.
//
// The rest is the dialog's model: its numbers with their control ids (also
// the string ids of the settings names they are remembered under), the
// bounds the grid covers, the rule that enables OK, and the values'
// persistence.
struct GuideValues {
    int across = 0;
    int down = 0;
    int width = 32;
    int height = 32;
    int spacingX = 0; // between columns
    int spacingY = 0; // between rows
    int leftStart = 0;
    int topStart = 0;
    // URL of every guide; "%d" (with no other "%") numbers them.
    QByteArray baseUrl;

    // One number edit of the dialog.
    struct Number {
        int id; // control id and settings name id
        int GuideValues::*value;
        int defaultValue;
    };
    // The eight numbers: width, height, horizontal and vertical spacing,
    // left and top start, number across and down.
    static const std::array<Number, 8>& numbers();
    // The largest value a number may take; larger ones keep OK disabled
    // rather than being cut down once accepted.
    static constexpr int kMaxNumber = 99999;
    // Characters of a number edit looked at after each change.
    static constexpr int kDigitsReadBack = 5;

    // The grid's far corner: the last guide's far edges, left start +
    // across x width + (across - 1) x spacing and likewise down.
    qint64 right() const;
    qint64 bottom() const;
    qint64 count() const { return qint64(across) * down; }
    // "left,top to right,bottom (n areas)".
    QString boundsText() const;
    // The picture's size as the dialog shows it: "width x height".
    static QString imageSizeText(int width, int height);
    // OK is enabled only for a grid of at least one guide across and down,
    // each at least one pixel wide and high, that stays within the picture,
    // holds at most as many areas as a map and whose numbers all lie in 0 to
    // 99,999.
    bool acceptable(int imageWidth, int imageHeight) const;

    // The values remembered from the last accepted dialog (defaults for
    // those never stored), read through the application's settings store.
    static GuideValues load();
    // Accepting: every number is stored with the base URL.
    void store() const;

    // A number edit's text as a number: its decimal value, 0 for none.
    static int numberOf(const QString& text);
    // The digit filter of the number edits: the first five characters with
    // everything but decimal digits removed, or nullopt when there was
    // nothing to remove (the edit is then left as it is).
    static std::optional<QString> digitsOnly(const QString& text);
};
