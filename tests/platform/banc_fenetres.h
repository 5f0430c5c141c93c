#pragma once
// A small world of named windows whose procedures write every message they
// receive into one log, in a form easy to compare ("A:timer 1 @30").
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/fenetres.h"
#include "platform/horloge.h"
#include "platform/messages.h"
#include "platform/plateforme.h"

namespace km32::platform::essai {

struct Monde {
    std::vector<std::string> journal;
    std::map<Fenetre, std::string> noms;
    // Called after the log line of every message; its answer is the procedure's.
    std::function<int32_t(Fenetre, uint32_t, uint32_t, int32_t)> reaction;

    Monde() { reinitialisePlateforme(); }
    // The procedures capture this world: forget them with it.
    ~Monde() { reinitialisePlateforme(); }
    Monde(const Monde&) = delete;
    Monde& operator=(const Monde&) = delete;

    std::string nom(uint32_t f) const {
        auto it = noms.find(f);
        return it == noms.end() ? std::to_string(f) : it->second;
    }

    std::string ligne(Fenetre f, uint32_t m, uint32_t w, int32_t l) const {
        std::string n = nom(f) + ":";
        switch (m) {
        case WM_CREATE:
            return n + "create";
        case WM_DESTROY:
            return n + "destroy";
        case WM_PAINT:
            return n + "paint";
        case WM_TIMER:
            return n + "timer " + std::to_string(w) + " @" + std::to_string(maintenantMs());
        case WM_ACTIVATE:
            return n + "activate " + std::to_string(w) + " " + nom(uint32_t(l));
        case WM_SETFOCUS:
            return n + "setfocus " + nom(w);
        case WM_KILLFOCUS:
            return n + "killfocus " + nom(w);
        case WM_CAPTURECHANGED:
            return n + "capturechanged " + nom(uint32_t(l));
        case WM_MOVE:
            return n + "move " + std::to_string(xDeLParam(l)) + " " + std::to_string(yDeLParam(l));
        case WM_SIZE:
            return n + "size " + std::to_string(xDeLParam(l)) + " " + std::to_string(yDeLParam(l));
        default:
            break;
        }
        std::string nombre = m >= WM_USER ? "user+" + std::to_string(m - WM_USER) : std::to_string(m);
        return n + nombre + " " + std::to_string(w) + " " + std::to_string(l);
    }

    ProcedureFenetre procedure() {
        return [this](Fenetre f, uint32_t m, uint32_t w, int32_t l) -> int32_t {
            journal.push_back(ligne(f, m, w, l));
            return reaction ? reaction(f, m, w, l) : 0;
        };
    }

    // A visible window, painted once and its creation left out of the log.
    Fenetre cree(const std::string& n, Fenetre parent = kAucuneFenetre, Rectangle cadre = {0, 0, 100, 100},
                 bool visible = true) {
        DescriptionFenetre d;
        d.parent = parent;
        d.cadre = cadre;
        d.procedure = procedure();
        d.titre = n;
        d.visible = visible;
        Fenetre f = creeFenetre(d);
        noms[f] = n;
        distribueJusquAuRepos();
        journal.clear();
        return f;
    }

    void note(const std::string& texte) { journal.push_back(texte); }
};

} // namespace km32::platform::essai
