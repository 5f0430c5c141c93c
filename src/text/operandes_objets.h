#pragma once
// Operands that designate objects: lists and sets of object names with a
// check of what the objects may be used for, two and three points written
// side by side (AB, A1B', ABC), segments, axes, lines and planes written
// either as the name of such an object or as their defining points, the
// name of the object a line creates or redefines, keys of commands.
//
// Error word, nomErreur1 and reading mode as in text/noms_objets.h. After an
// error the outputs hold what was read up to that point.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/figure.h"

namespace km32 {

struct TLigneAnalysee;

constexpr int kMaxListeObjets = 250;
// Object numbers at places 1 to 250 (place 0 unused), with a separate count.
using TListeObjets = std::array<uint8_t, kMaxListeObjets + 1>;

// Built-in objects.
constexpr uint8_t kObjetOx = 8, kObjetOy = 9, kObjetOz = 10;
constexpr uint8_t kObjetOxy = 11, kObjetOyz = 12, kObjetOzx = 13;

// Error phrases of the operands.
constexpr uint16_t kRaisonPointsConfondus = 434;
constexpr uint16_t kRaisonPointsAlignes = 435;
constexpr uint16_t kRaisonAngleNonDefini = 443;
constexpr uint16_t kErreurDonneeIncorrecte = 533;
constexpr uint16_t kErreurRefusUtilisateur = 534;
constexpr uint16_t kErreurPointsDifferents = 541;
constexpr uint16_t kErreurAngle = 551;
constexpr uint16_t kErreurNonModifiable = 606;
constexpr uint16_t kErreurNonDessinable = 619;
constexpr uint16_t kErreurTropDExpressions = 635;
constexpr uint16_t kErreurPasDeTraces = 643;
constexpr uint16_t kErreurDeuxFois = 655;
constexpr uint16_t kErreurPointPasDroite = 664;
constexpr uint16_t kErreurPasUnPlan = 666;
constexpr uint16_t kErreurNonRenommable = 667;

// The list form of an operand: commas become blanks, runs of blanks one
// blank, one blank at the end and none at the start. Items are then the
// texts between blanks.
std::string normaliseListe(std::string_view texte);

// Items of a normalised list, taken from the front. The first call always
// gives an item, even from an empty text.
struct Elements {
    std::string_view reste;
    bool commence = false;
    bool suivant(std::string_view& element) {
        if (commence && reste.empty()) return false;
        commence = true;
        const std::size_t blanc = reste.find(' ');
        element = reste.substr(0, blanc);
        reste = blanc == std::string_view::npos ? std::string_view() : reste.substr(blanc + 1);
        return true;
    }
};

// State of the operand readers: the host-text flag, set while the host runs
// a text of several lines (unknown names in lists are then skipped).
struct EtatOperandes {
    uint8_t texteHote = 0;
};
EtatOperandes& etatOperandes();
void reinitialiseOperandes();

// Object lists. Each item is looked up as written ((AB), [AB], [AB),
// vec(u) included): 537, 600.
void litListeObjetsSansControle(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                                TListeObjets& liste, uint8_t& nombre, uint16_t& erreur);
// Duplicates refused (655); with the host-text flag an unknown item is skipped.
void litListeObjets(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                    uint8_t& nombre, uint16_t& erreur);
void litListeObjetsLibres(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                          uint8_t& nombre, uint16_t& erreur); // 604
void litListeCommandes(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, TListeObjets& liste,
                       uint8_t& nombre, uint16_t& erreur); // 596
// Constructions whose objects may leave traces.
bool estConstructionTracable(uint8_t code);
void litListeObjetsTracables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                             TListeObjets& liste, uint8_t& nombre, uint16_t& erreur); // 643
// Duplicates allowed; above mode 1 each item must be accessible (600) and
// unprotected (606).
void litListeObjetsModifiables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur);
void litListeObjetsDessinables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur); // 619
void litListeObjetsRenommables(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               TListeObjets& liste, uint8_t& nombre, uint16_t& erreur); // 667
// litListeObjets, then the objects in the figure's order.
void litListeObjetsOrdonnee(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                            TListeObjets& liste, uint8_t& nombre, uint16_t& erreur);
// The user objects named; unknown names and built-in objects are ignored.
void ensembleObjetsDeNoms(const TfigureKalmetra& f, std::string_view texte, TEnsembleObjets& ensemble);
// The objects named; the first unknown one stops (537, 600).
void litEnsembleObjets(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                       TEnsembleObjets& ensemble, uint16_t& erreur);

// The object a line creates (count + 1) or redefines: 538 when the name is
// taken by a built-in, incompatible, protected or forbidden object; at mode
// 4 the user is asked before a redefinition (534 for No).
void nommeNouvelObjet(const TfigureKalmetra& f, uint8_t nature, std::string_view nom, uint8_t mode,
                      uint8_t& numero, uint16_t& erreur);
// numeroObjetDeNom for a point.
void numeroPointDeNom(const TfigureKalmetra& f, std::string_view nom, uint8_t mode, uint8_t& numero,
                      uint16_t& erreur);

// Two points side by side (first 10 characters): AB, A1'B, A B, A,B. 533
// for a token that is not a name or characters left over.
void litDeuxPoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                   uint8_t& second, uint16_t& erreur);
void litDeuxPointsDistincts(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                            uint8_t& second, uint16_t& erreur); // 541
// Above mode 1, two points at the same place give the reason 434.
void litDeuxPointsNonConfondus(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                               uint8_t& premier, uint8_t& second, uint16_t& erreur);
// Three points (first 80 characters, brackets and commas ignored).
void litTroisPoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                    uint8_t& second, uint8_t& troisieme, uint16_t& erreur);
// The vertex is the second point: 551 when it equals another, reason 443
// when it lies on another.
void litAngle(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
              uint8_t& second, uint8_t& troisieme, uint16_t& erreur);
void litTroisPointsDistincts(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                             uint8_t& second, uint8_t& troisieme, uint16_t& erreur); // 541
// Above mode 1, three points on one line give the reason 435.
void litTroisPointsNonAlignes(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                              uint8_t& premier, uint8_t& second, uint8_t& troisieme, uint16_t& erreur);

// An object of the wanted kind named exactly by the text comes back as the
// first output with 0 in the others (reason 437 when it is undefined);
// otherwise the text is read as its defining points.
// Segment: "[AB]", "AB" or a segment's name.
void litSegment(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, bool pointsDifferents,
                uint8_t& premier, uint8_t& second, uint16_t& erreur);
// Axis from A towards B: "[AB)", "AB", a half-line's name, or ox, oy, oz.
void litAxe(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier, uint8_t& second,
            uint16_t& erreur);
// Line: "(AB)", "AB" or a line's name; the name of a point gives 664.
void litDroite(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
               uint8_t& second, uint16_t& erreur);
// Plane: xoy, yoz, zox (letters in any order), a plane's name or three
// points; a failed reading of the points gives 666.
void litPlanDeRepere(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& premier,
                     uint8_t& second, uint8_t& troisieme, uint16_t& erreur);

// Key of a command: 597 for a text that names no key.
void litTouche(std::string_view texte, uint8_t& touche, uint16_t& erreur);
// True when a command other than the excluded object has that key (255,
// no key, is never in use).
bool toucheDejaUtilisee(const TfigureKalmetra& f, uint8_t touche, uint8_t exclu);

// Inside the creation of an object from its construction: the operand
// names the new object (vec(...) removed for a vector); the name goes into
// the record and back into the operand.
void nommeObjetConstruit(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string& texte, uint8_t nature);
// The operand is an existing object of the kind, stored as parent rang.
void litOperandeDeNature(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string_view texte,
                         uint8_t nature, int rang);

} // namespace km32
