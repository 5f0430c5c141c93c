// The initial text of a new figure: its file, or for a figure without host
// window and without file the default figure text of the sibling's shared
// table.
#include "base/garde.h"
#include "base/texte.h"
#include "model/expression_erreurs.h"
#include "model/fenetres_figure.h"
#include "model/fichiers_texte.h"
#include "model/procedures_texte.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/services_texte.h"
#include "platform/fichiers.h"
#include "platform/messages.h"
#include "sibling/textes_tq.h"

namespace km32 {

namespace {

void vueInitialeMemorisee(TfigureKalmetra& f) {
    for (int k = 0; k < 3; ++k)
        f.anglesVueInitiale[k] = f.anglesVue[k];
    memoriseVue(f);
}

} // namespace

uint16_t chargeTexteInitialFigure(TfigureKalmetra& f, const std::string& nomFichier, FichierNonLu* raison) {
    if (raison) *raison = FichierNonLu::Non;
    initialiseFigureNeuve(f);
    f.nomFigure = coupe(nomSansCheminNiExtension(nomFichier), 80);
    f.cheminFichier = coupe(nomFichier, 255);

    if (nomFichier.empty()) {
        if (figureSansHote(f)) {
            if (const char* texte = TQTexteFigureDefaut()) executeTexteDeFigure(f, texte, 1);
        }
        vueInitialeMemorisee(f);
        f.modifiee = 0;
        return 0;
    }

    etatErreurs().affichageErreurs = false;
    // The file is read whole only when it holds fewer than
    // kTailleMaxFichierFigure characters.
    platform::ResultatLecture fichier = platform::litFichier(nomFichier, kTailleMaxFichierFigure);
    std::string tampon = std::move(fichier.octets);
    const bool lu = fichier.lu() && tampon.size() < kTailleMaxFichierFigure;
    if (!lu && raison) {
        *raison = fichier.etat == platform::EtatLecture::Absent      ? FichierNonLu::Absent
                  : fichier.etat == platform::EtatLecture::Illisible ? FichierNonLu::Illisible
                                                                     : FichierNonLu::TropLong;
    }
    uint16_t resultat = kFichierIllisible;
    if (lu) {
        {
            GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
            resultat = executeTexteDeFigure(f, tampon, kModeLectureFichier);
        }
        executionReelle() = 1;
    }

    if (resultat != 0) {
        // A file that could not be read reported nothing, so no report
        // switched the display back on: do it here, or the next error of
        // any figure would be swallowed.
        if (!lu) etatErreurs().affichageErreurs = true;
        // Back to an empty figure.
        libereTableElementsSolides(f.tableElementsSolides);
        creeTableElementsSolides(f.tableElementsSolides);
        libereBlocDessin(f.blocDessin);
        creeBlocDessin(f.blocDessin);
        reinitialiseFigure(f);
        f.nomFigure.clear();
        f.cheminFichier.clear();
        f.texteInitialEchoue = 1;
        if (lu && figureSansHote(f)) {
            // The host shows the text that failed.
            f.texteEnAttente = std::make_unique<std::string>(std::move(tampon));
            platform::posteMessage(f.fenetreDessin, kMessageTexteEchoue, 0, 0);
        }
        return resultat;
    }

    etatErreurs().affichageErreurs = true;
    vueInitialeMemorisee(f);
    publieVariablesPartagees(f);
    return 0;
}

} // namespace km32
