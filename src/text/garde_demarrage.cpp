#include "text/garde_demarrage.h"

#include <algorithm>

#include "model/calcul/calcul_objet.h"
#include "model/calcul/dependants.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "text/execution_creation.h"
#include "text/execution_texte.h"

namespace km32 {

namespace {

// The last refusal shown, so that a repeating input shows it once.
struct RefusMontre {
    int16_t figure = -1;
    std::string ligne;
    std::string objet;
};

RefusMontre& refusMontre() {
    static RefusMontre r;
    return r;
}

// The first free object whose values differ from the snapshot's (the
// object a line or an imported value changed), 0 when none does.
int premierLibreChange(const TfigureKalmetra& f) {
    const EtatInstantanes& e = etatInstantanes();
    if (e.nombreInstantanes() == 0 || !e.pile.back().copie) return 0;
    const TfigureKalmetra& avant = *e.pile.back().copie;
    for (int i = kPremierUtilisateur; i <= std::min(f.nombreObjets, avant.nombreObjets); ++i) {
        const TObjetFigure& o = objet(f, i);
        if (!estObjetLibre(o) || o.nombreValeurs != objet(avant, i).nombreValeurs) continue;
        for (int k = 0; k < o.nombreValeurs; ++k)
            if (valeurDepuisZero(f, i, k) != valeurDepuisZero(avant, i, k)) return i;
    }
    return 0;
}

// The object that the host's lines changed (a function given by values):
// the first one changed since the snapshot, else the first one changed by
// an earlier line (a line may change it again); 0 when none.
int premierChangeParHote(const TfigureKalmetra& f) {
    TEnsembleObjets nouveaux = f.objetsChangesParHote;
    const EtatInstantanes& e = etatInstantanes();
    if (e.nombreInstantanes() > 0 && e.pile.back().copie)
        nouveaux &= ~e.pile.back().copie->objetsChangesParHote;
    for (const TEnsembleObjets& changes : {nouveaux, f.objetsChangesParHote})
        for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
            if (changes.test(std::size_t(i))) return i;
    return 0;
}

// The start line that the figure would no longer run, empty when none.
// While the host's lines run, what depends on the objects they changed is
// computed once, after the last line; the figure is judged as it will then
// be, as the same lines read from a file leave it: on a trial, put back
// after the judgement.
std::string ligneBloquee(TfigureKalmetra& f) {
    if (!f.lignesHoteEnCours || f.objetsChangesParHote.none()) return ligneDiffereeBloquee(f);
    GardeInstantane essai(f);
    if (!essai.pris()) return ligneDiffereeBloquee(f);
    TEnsembleObjets aCalculer = f.objetsChangesParHote;
    ajouteDependants(f, aCalculer);
    for (int i = kPremierUtilisateur; i <= f.nombreObjets; ++i)
        if (aCalculer.test(std::size_t(i))) calculeObjet(f, i);
    // A file is read without the host's lines running.
    f.lignesHoteEnCours = 0;
    f.objetsChangesParHote.reset();
    return ligneDiffereeBloquee(f);
}

} // namespace

GardeDemarrage::GardeDemarrage(TfigureKalmetra& f) : f_(f) {
    if (!f.lignesDifferees || f.lignesDifferees->empty() || textesEnLecture() > 0) return;
    garde_.emplace(f);
    if (!garde_->pris()) garde_.reset();
}

bool GardeDemarrage::accepte(int objet, bool toujoursMontrer) {
    if (!garde_) return true;
    const std::string ligne = ligneBloquee(f_);
    RefusMontre& r = refusMontre();
    if (ligne.empty()) {
        garde_->valide();
        garde_.reset();
        if (r.figure == int16_t(f_.numeroFigure)) r = RefusMontre{};
        return true;
    }
    if (objet < 1 || objet > f_.nombreObjets) objet = premierLibreChange(f_);
    if (objet == 0) objet = premierChangeParHote(f_);
    const std::string nom =
        objet >= 1 && objet <= f_.nombreObjets ? nomObjetNotation(f_, objet) : std::string();
    garde_->annule();
    garde_.reset();
    redessineFigure(f_);
    const bool deja =
        !toujoursMontrer && r.figure == int16_t(f_.numeroFigure) && r.ligne == ligne && r.objet == nom;
    if (!deja) {
        r = RefusMontre{int16_t(f_.numeroFigure), ligne, nom};
        nomErreur1() = ligne;
        nomErreur2() = nom;
        afficheErreurDeNumero(kErreurLigneDiffereeBloquee);
    }
    return false;
}

void oublieRefusDemarrage(int16_t numero) {
    if (refusMontre().figure == numero) refusMontre() = RefusMontre{};
}

void reinitialiseGardeDemarrage() {
    refusMontre() = RefusMontre{};
}

} // namespace km32
