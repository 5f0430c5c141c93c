// A host calling the exported functions of the plane-geometry sibling in any
// order and with odd arguments: plane figure numbers never given, gone or out
// of range, null, empty and over-long texts and names, math texts of any
// bytes measured and drawn at positions that are not numbers or far away,
// device-context handles that name nothing, phrase numbers of any size, files
// that are missing, are folders or are too long, and the editors opened and
// closed between them. The sibling starts afresh at every input; any crash,
// hang, leak or sanitizer report is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "hote_fuzz.h"
#include "km32.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/presse_papiers.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/variables_partagees.h"

namespace {

using namespace km32;
namespace p = km32::platform;

// Plane figure numbers: the first few, the bounds and numbers never given.
constexpr int16_t kNumeros[] = {1, 1, 2, 3, 0, 64, 65, -1, 300, -32768};

// Math texts that reach each kind of zone: exponents, indices, colours, lists
// that are not shown, lines, and zones left open.
const char* const kTextesMath[] = {"\\x^2+y_1\\",
                                   "a\\b^{c}\\d",
                                   "\\$rA$vB$bC$ND\\",
                                   "\\;s:a,b;f:c\\",
                                   "x\r\ny^\\2\\",
                                   "\\\\\\^_^_$$N$\\",
                                   "\\_",
                                   "^^^^^^^^",
                                   "\\x^2",
                                   "\r\n\r\n\r\n",
                                   "\\a;s:"};

// A text: a math text, empty, null, over-long, or bytes of the input.
std::string texte(FuzzedDataProvider& d, bool& nul) {
    nul = false;
    switch (d.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        return d.PickValueInArray(kTextesMath);
    case 1:
        nul = true;
        return {};
    case 2:
        return std::string(d.ConsumeIntegralInRange<std::size_t>(250, 70000), d.ConsumeBool() ? '^' : 'A');
    case 3:
        return {};
    default:
        return d.ConsumeRandomLengthString(120);
    }
}

// A position in character cells: ordinary, huge, or not a number.
double position(FuzzedDataProvider& d) {
    static const double kBizarres[] = {-1.0,
                                       1e9,
                                       -1e9,
                                       1e300,
                                       -1e300,
                                       std::numeric_limits<double>::infinity(),
                                       -std::numeric_limits<double>::infinity(),
                                       std::numeric_limits<double>::quiet_NaN(),
                                       std::numeric_limits<double>::denorm_min()};
    if (d.ConsumeIntegralInRange<int>(0, 4) == 0) return d.PickValueInArray(kBizarres);
    return d.ConsumeFloatingPointInRange<double>(-20.0, 200.0);
}

// A file name: one written at the start, one missing, a folder, a name over
// 255 bytes, or a name made of the input's bytes, all in the private folder.
std::string nomFichier(FuzzedDataProvider& d) {
    const std::string& rep = fuzz::repertoirePrive();
    switch (d.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        return rep + "/plan.txt";
    case 1:
        return rep + "/absent.txt";
    case 2:
        return rep;
    case 3:
        return rep + "/" + std::string(300, 'n');
    default:
        return fuzz::nomDansRepertoirePrive(d.ConsumeRandomLengthString(30));
    }
}

// Registers two shared numbers that the value calls can name: a defined, u
// undefined. The sibling made afresh has forgotten the registration before.
void inscritVariables() {
    static TVariablesPartagees v;
    v = TVariablesPartagees{};
    v.noms[0][0] = 1;
    v.noms[0][1] = 'a';
    v.valeurs[0] = 2.5;
    v.noms[1][0] = 1;
    v.noms[1][1] = 'u';
    v.indefinis[1] = 1;
    v.nombre = 2;
    inscription(&v);
}

// The text of a block, freed; 0 is empty.
void lisEtLibere(uint32_t bloc) {
    fuzz::texteDuBloc(bloc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    // Every input starts with the sibling as at load, one plane figure in
    // number 1, two shared numbers registered, a file to read and a fresh
    // recording context.
    static const bool pret = [] {
        fuzz::ecritFichierPrive("plan.txt", "\\x^2\\\r\nA point\r\n");
        return true;
    }();
    (void)pret;
    reinitialiseBibliothequeTQ();
    p::reinitialiseBoites();
    p::reinitialisePressePapiers();
    inscritVariables();
    const std::unique_ptr<p::ContexteDessin> dc = p::creeContexteEnregistreur();
    const uint32_t contexte = p::enregistreContexte(dc.get());
    TQCreeFigEtRenvoieNumero(7, nullptr, "\\AB\\ segment\r\nC point", "Nom=Plan");

    FuzzedDataProvider d(donnees, taille);
    for (int pas = 0; pas < 120 && d.remaining_bytes() > 0; ++pas) {
        const int16_t n = d.PickValueInArray(kNumeros);
        bool nul = false;
        const std::string t = texte(d, nul);
        const char* c = nul ? nullptr : t.c_str();
        switch (d.ConsumeIntegralInRange<int>(0, 15)) {
        case 0: {
            const std::string f = nomFichier(d);
            TQCreeFigEtRenvoieNumero(d.ConsumeIntegral<uint32_t>(), d.ConsumeBool() ? f.c_str() : nullptr, c,
                                     d.ConsumeBool() ? c : nullptr);
            break;
        }
        case 1: {
            const std::string f = nomFichier(d);
            TQCreeFig(n, d.ConsumeBool() ? f.c_str() : nullptr, c, d.ConsumeBool() ? "Nom=X" : nullptr);
            break;
        }
        case 2:
            TQDetruitFigure(n);
            break;
        case 3:
            switch (d.ConsumeIntegralInRange<int>(0, 2)) {
            case 0:
                TQExecuterTexte(n, c);
                break;
            case 1:
                TQExecuteLigneFig(n, c);
                break;
            default:
                TQExecuteLigneFigEtRedessine(n, c);
                break;
            }
            break;
        case 4:
            lisEtLibere(TQTexteFigure(n));
            lisEtLibere(RenvoieHandleNomFichier(n));
            lisEtLibere(TQDernierLibreBouge(n));
            lisEtLibere(TQNomLibreActif(n));
            lisEtLibere(TQHandleSurligneCreation(n, c));
            lisEtLibere(TQfournitHandleSurTexte(n, c));
            break;
        case 5: {
            const char* nom = d.ConsumeBool() ? d.PickValueInArray({"a", "u", "b", ""}) : c;
            TQAffecteScalaire(n, nom, d.ConsumeFloatingPoint<double>());
            TQValeurScalaireDouble(n, nom);
            TQObjetValide(n, nom);
            lisEtLibere(ListeDesVariables());
            break;
        }
        case 6: {
            Syntax(c);
            AudessousExpression(c);
            LargeurExpression(c);
            AudessusExpression(c);
            HauteurExpression(c);
            int32_t l = 0, h = 0, b = 0;
            ParamEncombr(c, d.ConsumeBool() ? &l : nullptr, d.ConsumeBool() ? &h : nullptr,
                         d.ConsumeBool() ? &b : nullptr);
            break;
        }
        case 7: {
            const double x = position(d), y = position(d);
            EcritExpr(d.ConsumeBool() ? contexte : d.ConsumeIntegral<uint32_t>(), c, x, y);
            break;
        }
        case 8: {
            const uint32_t h = d.ConsumeBool() ? contexte : d.ConsumeIntegral<uint32_t>();
            switch (d.ConsumeIntegralInRange<int>(0, 3)) {
            case 0:
                TQRepeintFigure(n, h);
                break;
            case 1:
                TQDessineFigureEnTexte(n, h, d.ConsumeIntegral<int32_t>(), d.ConsumeIntegral<int32_t>());
                break;
            case 2:
                PeindreFenEcritMath(h);
                break;
            default:
                PeindreFenEcritMathDansWord(h);
                break;
            }
            break;
        }
        case 9:
            switch (d.ConsumeIntegralInRange<int>(0, 3)) {
            case 0:
                AfficheEditeurTexteMathematique(d.ConsumeIntegral<uint32_t>(), c);
                break;
            case 1:
                AfficheEditeurExpression(d.ConsumeIntegral<uint32_t>(), c);
                break;
            case 2:
                TermineEditeurTexteMathematique();
                break;
            default:
                TermineEditeurExpression();
                break;
            }
            break;
        case 10:
            lisEtLibere(TQHandleSurPhraseDeNumero(d.ConsumeIntegral<uint16_t>()));
            lisEtLibere(TQ32NumeroVersion());
            break;
        case 11: {
            const std::string f = nomFichier(d);
            lisEtLibere(LitFichierTexteEtRenvoieHandle(d.ConsumeBool() ? f.c_str() : c));
            break;
        }
        case 12: {
            // Save As answered with a name in the private folder, or cancelled.
            // The folder itself is answered with its separator: the extension
            // added to its bare name would name a file beside it.
            if (d.ConsumeBool()) {
                const std::string nom = nomFichier(d);
                p::reponsesPrevues().push_back(
                    {p::kReponseOk, nom == fuzz::repertoirePrive() ? nom + "/" : nom});
            }
            const char* extension = d.PickValueInArray({"txt", "", "k3v.bak", "a/b"});
            EnregistreTexteSous(c, d.ConsumeBool() ? extension : nullptr);
            p::reponsesPrevues().clear();
            break;
        }
        case 13: {
            const std::string b = d.ConsumeRandomLengthString(20);
            Alerte(c, d.ConsumeBool() ? "Titre" : nullptr, d.ConsumeBool() ? b.c_str() : nullptr,
                   d.ConsumeBool() ? "Non" : nullptr, d.ConsumeBool() ? "" : nullptr);
            break;
        }
        case 14:
            if (d.ConsumeBool())
                TQCopierDessin(n);
            else
                TQCopierDessinAjuste(n, d.ConsumeIntegral<int16_t>());
            break;
        default:
            TQRedessineBrutal(n);
            TQSize(n, d.ConsumeIntegral<uint32_t>());
            TQMouseDown(n, 1, 0, float(position(d)), float(position(d)));
            TQChangeCouleurFondFigure(n, d.ConsumeIntegral<uint32_t>());
            TQAfficheRappels(n);
            TQAfficheEditeurFigure(n);
            TQAfficheCommentaire(n);
            TQExecuteCommande(n, c);
            TQTestParTexte(n, c);
            CurseurTQ();
            DemandeFermetureFenetreDuTableauDeValeurs();
            break;
        }
        p::boitesDemandees().clear();
    }
    p::oublieContexte(contexte);
    return 0;
}
