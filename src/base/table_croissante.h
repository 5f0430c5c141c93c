#pragma once
// A table of entries 0 to N read and written with [] as a fixed array is,
// whose storage is made on demand in pages of P entries: a page is allocated
// the first time one of its entries is reached through a non-const
// reference. An entry of a page never made reads as T{} through a const
// reference. Records sized for the largest case (160 vertices, 80 faces)
// then cost what their small cases use.
//
// Entries never move: a reference to one stays valid while the table grows.
// An index outside 0..N throws ErreurInterne. Copies are deep; a copy into a
// table reuses the pages both tables have and frees those the source lacks,
// so a copy costs what its source does.
#include <array>
#include <cstddef>
#include <compare>
#include <iterator>
#include <memory>

#include "base/erreur.h"

namespace km32 {

template <typename T, int N, int P = 16> class TtableCroissante {
    static_assert(N >= 0 && P > 0);

  public:
    static constexpr int kPages = (N + 1 + P - 1) / P;
    using Page = std::array<T, P>;
    using value_type = T;

    TtableCroissante() = default;
    TtableCroissante(const TtableCroissante& autre) { copie(autre); }
    TtableCroissante& operator=(const TtableCroissante& autre) {
        if (this != &autre) copie(autre);
        return *this;
    }
    TtableCroissante(TtableCroissante&&) noexcept = default;
    TtableCroissante& operator=(TtableCroissante&&) noexcept = default;

    // Entry i, its page made when missing.
    T& operator[](std::size_t i) {
        verifieIndice(static_cast<long long>(i), 0, N, "table entry");
        std::unique_ptr<Page>& page = pages_[i / P];
        if (!page) [[unlikely]]
            page = std::make_unique<Page>();
        return (*page)[i % P];
    }
    // Entry i; T{} when its page was never made.
    const T& operator[](std::size_t i) const {
        verifieIndice(static_cast<long long>(i), 0, N, "table entry");
        const std::unique_ptr<Page>& page = pages_[i / P];
        return page ? (*page)[i % P] : entreeVide();
    }

    static constexpr std::size_t size() { return N + 1; }

    // Reading every entry in order, as a fixed array's begin() and end()
    // give them (an entry of a page never made reads as T{}).
    class const_iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;
        const_iterator() = default;
        const_iterator(const TtableCroissante* table, std::size_t i)
            : table_(table), i_(difference_type(i)) {}
        reference operator*() const { return (*table_)[std::size_t(i_)]; }
        pointer operator->() const { return &**this; }
        reference operator[](difference_type n) const { return *(*this + n); }
        const_iterator& operator+=(difference_type n) {
            i_ += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n) { return *this += -n; }
        const_iterator& operator++() { return *this += 1; }
        const_iterator& operator--() { return *this -= 1; }
        const_iterator operator++(int) {
            const_iterator avant = *this;
            ++*this;
            return avant;
        }
        const_iterator operator--(int) {
            const_iterator avant = *this;
            --*this;
            return avant;
        }
        friend const_iterator operator+(const_iterator a, difference_type n) { return a += n; }
        friend const_iterator operator+(difference_type n, const_iterator a) { return a += n; }
        friend const_iterator operator-(const_iterator a, difference_type n) { return a -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return a.i_ - b.i_;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.i_ == b.i_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.i_ <=> b.i_; }

      private:
        const TtableCroissante* table_ = nullptr;
        difference_type i_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const TtableCroissante& a, const TtableCroissante& b) {
        for (std::size_t i = 0; i < size(); ++i)
            if (!(a[i] == b[i])) return false;
        return true;
    }

    // Every entry back to T{}; the pages made are kept, so a record rebuilt
    // at every step of a drag allocates nothing.
    void efface() {
        for (auto& page : pages_)
            if (page)
                for (T& entree : *page)
                    entree = T{};
    }

    // Entries debut to N back to T{}, without making a page.
    void effaceDepuis(std::size_t debut) {
        for (std::size_t i = debut; i <= std::size_t(N); ++i)
            if (pages_[i / P]) (*pages_[i / P])[i % P] = T{};
    }

    // The number of pages made (what the table costs, for the tests).
    int pagesFaites() const {
        int n = 0;
        for (const auto& page : pages_)
            n += page != nullptr;
        return n;
    }

  private:
    static const T& entreeVide() {
        static const T vide{};
        return vide;
    }
    void copie(const TtableCroissante& autre) {
        for (int k = 0; k < kPages; ++k) {
            if (!autre.pages_[k])
                pages_[k].reset();
            else if (pages_[k])
                *pages_[k] = *autre.pages_[k];
            else
                pages_[k] = std::make_unique<Page>(*autre.pages_[k]);
        }
    }

    std::array<std::unique_ptr<Page>, kPages> pages_;
};

} // namespace km32
