#pragma once
// Set-and-restore of a global flag: the flag gets a value for the life of the
// guard and its old value back when the guard ends, even on an error path.
#include <utility>

namespace km32 {

template <class T> class GardeValeur {
public:
    GardeValeur(T& cible, T valeur) : cible_(cible), ancienne_(std::exchange(cible, std::move(valeur))) {}
    ~GardeValeur() { cible_ = std::move(ancienne_); }
    GardeValeur(const GardeValeur&) = delete;
    GardeValeur& operator=(const GardeValeur&) = delete;

private:
    T& cible_;
    T ancienne_;
};

} // namespace km32
