#pragma once

#include <memory>

// A shared, unchangeable source riding along with a value. It never makes
// two values different: it tells how the value was written, not what it is.
template <typename T>
struct KeptSource {
    std::shared_ptr<const T> kept;

    const T* get() const { return kept.get(); }
    explicit operator bool() const { return bool(kept); }
    friend bool operator==(const KeptSource&, const KeptSource&) { return true; }
};
