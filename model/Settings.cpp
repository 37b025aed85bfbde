#include "model/Settings.h"

#include "model/SettingsNotifier.h"
#include "model/Strings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

QSettings openStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     Strings::untranslated(Str::CompanyKey),
                     Strings::untranslated(Str::ApplicationKey));
}

QString key(int nameId) {
    return Strings::untranslated(Str::SettingsSection) + QLatin1Char('/') +
           Strings::untranslated(nameId);
}

void readInto(const QSettings& s, int id, bool& v) {
    v = s.value(key(id), int(v)).toInt() != 0;
}
void readInto(const QSettings& s, int id, int& v) {
    v = s.value(key(id), v).toInt();
}
void readInto(const QSettings& s, int id, ColorRef& v) {
    v = s.value(key(id), v).toUInt();
}
void readInto(const QSettings& s, int id, double& v) {
    bool ok = false;
    const double read = s.value(key(id), v).toDouble(&ok);
    if (ok && std::isfinite(read))
        v = read;
}
void readInto(const QSettings& s, int id, QString& v) {
    v = s.value(key(id), v).toString();
}

void writeFrom(QSettings& s, int id, bool v) {
    s.setValue(key(id), int(v));
}
void writeFrom(QSettings& s, int id, int v) {
    s.setValue(key(id), v);
}
void writeFrom(QSettings& s, int id, ColorRef v) {
    s.setValue(key(id), v);
}
void writeFrom(QSettings& s, int id, double v) {
    s.setValue(key(id), v);
}
void writeFrom(QSettings& s, int id, const QString& v) {
    s.setValue(key(id), v);
}

} // namespace

// The one list of stored values: load and save both walk it.
template <class Self, class F>
void Settings::forEachStored(Self& self, F&& visit) {
    visit(Str::KeyAreaPrompt, self.areaPrompt);
    visit(Str::KeySkipSavedDialog, self.skipSavedDialog);
    visit(Str::KeyRequireDefault, self.requireDefault);
    visit(Str::KeyShowHandles, self.showHandles);
    visit(Str::KeyShowAreaTips, self.showAreaTips);
    visit(Str::KeyGrabSize, self.grabSize);
    visit(Str::KeyOldFileDial, self.oldFileDial);
    visit(Str::KeyFillArea, self.fillArea);
    visit(Str::KeyFillType, self.fillType);
    visit(Str::KeyNeverShowWarn, self.neverShowWarn);
    visit(Str::KeyNeverShowButtonRtf, self.neverShowButtonRtf);
    visit(Str::KeyPinned, self.pinned);
    visit(Str::KeyDefaultColor, self.defaultColor);
    visit(Str::KeyDefaultBack, self.defaultBack);
    visit(Str::KeySelectedColor, self.selectedColor);
    visit(Str::KeySelectedBack, self.selectedBack);
    visit(Str::KeyFlybyColor, self.flybyColor);
    visit(Str::KeyFlybyBack, self.flybyBack);
    visit(Str::KeyFillColor, self.fillColor);
    visit(Str::KeyGridEnabled, self.grid.enabled);
    visit(Str::KeyGridVisible, self.grid.visible);
    visit(Str::KeyGridSizeX, self.grid.sizeX);
    visit(Str::KeyGridSizeY, self.grid.sizeY);
    visit(Str::KeyGridOffX, self.grid.offX);
    visit(Str::KeyGridOffY, self.grid.offY);
    visit(Str::KeyLastImageFolder, self.lastImageFolder);
    visit(Str::KeyLastMapFolder, self.lastMapFolder);
    visit(Str::KeyMaxRecent, self.maxRecent);
    visit(Str::KeyMaximizeOnOpen, self.maximizeOnOpen);
    visit(Str::KeyZoomToFit, self.zoomToFit);
    visit(Str::KeyNeverShowWelcome, self.neverShowWelcome);
    visit(Str::KeyLastUsedWelcome, self.lastUsedWelcome);
    visit(Str::KeyDefaultUrlLead, self.defaultUrlLead);
    visit(Str::KeyTraceTolerance, self.traceTolerance);
    visit(Str::KeyTracePrecision, self.tracePrecision);
    visit(Str::KeySaveRecoveryCopies, self.saveRecoveryCopies);
    visit(Str::KeyRecoveryInterval, self.recoveryInterval);
}

Settings& Settings::app() {
    static Settings instance;
    return instance;
}

SettingsNotifier& Settings::notifier() {
    static SettingsNotifier notifier;
    return notifier;
}

void Settings::announceChange() {
    emit notifier().changed();
}

void Settings::load() {
    const QSettings s = openStore();
    forEachStored(*this, [&](int id, auto& v) { readInto(s, id, v); });
    readInto(s, Str::KeyDnd, dnd);
    readInto(s, Str::KeyCwgr, cwgr);
    // The store may have been edited by hand.
    traceTolerance =
        std::clamp(traceTolerance, TraceRequest::kMinTolerance, TraceRequest::kMaxTolerance);
    tracePrecision =
        std::clamp(tracePrecision, TraceRequest::kMinPrecision, TraceRequest::kMaxPrecision);
}

void Settings::save() const {
    QSettings s = openStore();
    forEachStored(*this, [&](int id, const auto& v) { writeFrom(s, id, v); });
}

int Settings::readInt(int nameId, int fallback) {
    return openStore().value(key(nameId), fallback).toInt();
}

void Settings::writeInt(int nameId, int value) {
    openStore().setValue(key(nameId), value);
}

QString Settings::readText(int nameId, const QString& fallback) {
    return openStore().value(key(nameId), fallback).toString();
}

void Settings::writeText(int nameId, const QString& value) {
    openStore().setValue(key(nameId), value);
}

void Settings::setStoreFolder(const QString& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
