#pragma once
// An optional part of a record, held through a pointer: made the first time
// it is written, read as a default T while it is absent, and copied deeply
// with the record. A record kind whose instances mostly go without some
// fields keeps them in one of these, so that those instances do not carry
// room for them.
#include <memory>

namespace km32 {

template <typename T> class TboiteOptionnelle {
  public:
    TboiteOptionnelle() = default;
    TboiteOptionnelle(const TboiteOptionnelle& autre)
        : valeur_(autre.valeur_ ? std::make_unique<T>(*autre.valeur_) : nullptr) {}
    TboiteOptionnelle& operator=(const TboiteOptionnelle& autre) {
        if (this == &autre) return *this;
        if (!autre.valeur_)
            valeur_.reset();
        else if (valeur_)
            *valeur_ = *autre.valeur_; // into the part already held: its containers keep their room
        else
            valeur_ = std::make_unique<T>(*autre.valeur_);
        return *this;
    }
    TboiteOptionnelle(TboiteOptionnelle&&) noexcept = default;
    TboiteOptionnelle& operator=(TboiteOptionnelle&&) noexcept = default;

    // The part, made when absent.
    T& ecrit() {
        if (!valeur_) valeur_ = std::make_unique<T>();
        return *valeur_;
    }
    // The part; a default T when absent.
    const T& lit() const { return valeur_ ? *valeur_ : vide(); }

    bool presente() const { return valeur_ != nullptr; }
    void libere() { valeur_.reset(); }

  private:
    static const T& vide() {
        static const T v{};
        return v;
    }
    std::unique_ptr<T> valeur_;
};

} // namespace km32
