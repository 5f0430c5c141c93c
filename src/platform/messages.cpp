#include "platform/messages.h"

#include <algorithm>
#include <deque>

#include "platform/horloge.h"
#include "platform/minuteries.h"

namespace km32::platform {

namespace {

struct EtatMessages {
    std::deque<Message> file; // posted messages, oldest first
};

EtatMessages& etat() {
    static EtatMessages e;
    return e;
}

bool dansPlage(uint32_t message, uint32_t premier, uint32_t dernier) {
    if (premier == 0 && dernier == 0) return true;
    return message >= premier && message <= dernier;
}

bool convient(const Message& m, Fenetre filtre, uint32_t premier, uint32_t dernier) {
    return (filtre == kAucuneFenetre || m.fenetre == filtre) && dansPlage(m.message, premier, dernier);
}

enum class Sorte { Poste, Peinture, Tick };

struct Candidat {
    Sorte sorte = Sorte::Poste;
    Message message;
    std::size_t rang = 0; // place in the queue of a posted message
    TickEnAttente tick;
};

// The next message in the loop's order that the filter accepts.
std::optional<Candidat> cherche(Fenetre filtre, uint32_t premier, uint32_t dernier) {
    const std::deque<Message>& file = etat().file;
    for (std::size_t i = 0; i < file.size(); ++i)
        if (convient(file[i], filtre, premier, dernier)) return Candidat{Sorte::Poste, file[i], i, {}};
    if (dansPlage(WM_PAINT, premier, dernier)) {
        Fenetre f = prochaineFenetreAPeindre(filtre);
        if (f != kAucuneFenetre) return Candidat{Sorte::Peinture, {f, WM_PAINT, 0, 0}, 0, {}};
    }
    if (dansPlage(WM_TIMER, premier, dernier)) {
        TickEnAttente tick;
        if (prochainTick(filtre, tick))
            return Candidat{Sorte::Tick, {tick.fenetre, WM_TIMER, tick.id, 0}, 0, tick};
    }
    return std::nullopt;
}

void retire(const Candidat& c) {
    switch (c.sorte) {
    case Sorte::Poste:
        etat().file.erase(etat().file.begin() + std::ptrdiff_t(c.rang));
        break;
    case Sorte::Peinture:
        valideFenetre(c.message.fenetre);
        break;
    case Sorte::Tick:
        prendTick(c.tick);
        break;
    }
}

} // namespace

int32_t envoieMessage(Fenetre f, uint32_t message, uint32_t wParam, int32_t lParam) {
    return appelleProcedure(f, message, wParam, lParam);
}

bool posteMessage(Fenetre f, uint32_t message, uint32_t wParam, int32_t lParam) {
    if (!estFenetre(f)) return false;
    etat().file.push_back({f, message, wParam, lParam});
    return true;
}

std::optional<Message> regardeMessage(Fenetre filtre, uint32_t premier, uint32_t dernier, bool retirer) {
    std::optional<Candidat> c = cherche(filtre, premier, dernier);
    if (!c) return std::nullopt;
    if (retirer) retire(*c);
    return c->message;
}

int retireMessagesPostes(const Message& m) {
    return int(std::erase(etat().file, m));
}

int purgeMessages(Fenetre filtre, uint32_t premier, uint32_t dernier) {
    std::deque<Message>& file = etat().file;
    auto n = std::erase_if(file, [&](const Message& m) { return convient(m, filtre, premier, dernier); });
    int total = int(n);
    // Paints and ticks: each removal leaves nothing pending for that window
    // or timer, so this ends.
    while (std::optional<Candidat> c = cherche(filtre, premier, dernier)) {
        retire(*c);
        ++total;
    }
    return total;
}

int purgeTicks(Fenetre f, uint32_t premierId, uint32_t dernierId) {
    if (f == kAucuneFenetre) return 0;
    const auto n = std::erase_if(etat().file, [&](const Message& m) {
        return m.fenetre == f && m.message == WM_TIMER && m.wParam >= premierId && m.wParam <= dernierId;
    });
    return int(n) + prendTicksDe(f, premierId, dernierId);
}

bool distribueUnMessage() {
    std::optional<Candidat> c = cherche(kAucuneFenetre, 0, 0);
    if (!c) return false;
    const Message m = c->message;
    switch (c->sorte) {
    case Sorte::Poste:
        retire(*c);
        envoieMessage(m.fenetre, m.message, m.wParam, m.lParam);
        break;
    case Sorte::Peinture:
        commencePeinture(m.fenetre);
        envoieMessage(m.fenetre, WM_PAINT, 0, 0);
        terminePeinture(m.fenetre);
        break;
    case Sorte::Tick:
        retire(*c);
        envoieMessage(m.fenetre, WM_TIMER, m.wParam, 0);
        break;
    }
    return true;
}

int distribueJusquAuRepos(int limite) {
    int n = 0;
    while (n < limite && distribueUnMessage())
        ++n;
    return n;
}

void avance(int64_t ms) {
    constexpr int kLimite = 100000;
    const int64_t cible = maintenantMs() + std::max<int64_t>(ms, 0);
    if (horlogeVirtuelle()) {
        for (;;) {
            if (distribueJusquAuRepos(kLimite) >= kLimite) break;
            int64_t delai = delaiProchaineMinuterie();
            if (delai < 0 || maintenantMs() + delai > cible) break;
            avanceHorloge(delai);
        }
        avanceHorloge(cible - maintenantMs());
        distribueJusquAuRepos(kLimite);
        return;
    }
    for (;;) {
        distribueJusquAuRepos(kLimite);
        int64_t reste = cible - maintenantMs();
        if (reste <= 0) break;
        int64_t delai = delaiProchaineMinuterie();
        attendsMillisecondes(delai < 0 ? reste : std::min(delai, reste));
    }
}

std::size_t nombreMessagesPostes() {
    return etat().file.size();
}

void reinitialiseMessages() {
    etat() = EtatMessages{};
}

} // namespace km32::platform
