// Saves that fail, and saves that must keep what the user keeps: names too
// long to keep whole, symbolic and hard links, read-only files, and a
// failure made at each step of the write through the file layer. After a
// failure the old file is whole, the result is 1, the reason is given and
// the figure keeps its path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "banc_sauvegarde.h"
#include "bloc_rempli.h"
#include "fichier_essai.h"
#include "texte_noms_allonges.h"
#include "km32.h"
#include "platform/boites.h"
#include "platform/fichiers.h"
#include "text/ecriture_figure.h"
#include "text/prototypes_texte.h"

namespace km32 {
namespace {

namespace fs = std::filesystem;
using platform::EtapeEcriture;

class SauvegardeFautes : public essais::BancSauvegarde {
  protected:
    void SetUp() override {
        essais::BancSauvegarde::SetUp();
        ancien = (dossier / "ancien.k3v").string();
        ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 0);
        // The figure changes after its last save: the file holds the old text.
        texteAncien = essais::contenuFichier(ancien);
        KMExecuteLigneFig(numero, "B point de coordonn\xE9"
                                  "es (4,5,6) dans le rep\xE8re Rxyz");
        figure().modifiee = 1;
        ASSERT_NE(ecritTexteFigure(figure()), texteAncien);
    }
    // The names in the folder.
    std::set<std::string> noms() const {
        std::set<std::string> n;
        for (const fs::directory_entry& e : fs::directory_iterator(dossier))
            n.insert(e.path().filename().string());
        return n;
    }
    // A save refused with that reason, which changed neither the figure nor
    // the file fichier (holding contenu).
    void attendRefus(const std::string& nom, int erreur, const fs::path& fichier,
                     const std::string& contenu) {
        const std::set<std::string> avant = noms();
        EXPECT_EQ(KMsauveFigure(numero, nom.c_str()), 1) << nom;
        EXPECT_EQ(KMErreurSauvegarde(), erreur) << nom;
        EXPECT_EQ(essais::contenuFichier(fichier), contenu) << nom;
        EXPECT_EQ(figure().cheminFichier, ancien) << nom;
        EXPECT_EQ(KMfigureModifiee(numero), 1) << nom;
        EXPECT_EQ(noms(), avant) << nom << ": nothing written, nothing left behind";
    }
    // The save into the old file of figure f, which has never been saved,
    // refused because the reader would not take a line or block back: the
    // message refus shown and given as the reason, the old file and the
    // folder as they were, the figure without a path.
    void refusIllisible(int16_t f, const std::string& refus) {
        const std::set<std::string> avant = noms();
        EXPECT_EQ(KMsauveFigure(f, ancien.c_str()), 1);
        EXPECT_EQ(KMErreurSauvegarde(), EBADMSG);
        EXPECT_EQ(essais::contenuFichier(ancien), texteAncien) << "the old file stays as it was";
        EXPECT_EQ(noms(), avant);
        EXPECT_EQ(figureDeNumero(f)->cheminFichier, "");
        ASSERT_FALSE(platform::boitesDemandees().empty());
        EXPECT_EQ(platform::boitesDemandees().front().texte, refus);
        const uint32_t raison = KMTexteErreurSauvegarde();
        ASSERT_NE(raison, 0u);
        EXPECT_EQ(std::string(KMContenuBloc(raison)), refus);
        KMLibereBloc(raison);
    }
    // Figure f saved into the folder under that name, and its file read
    // back whole into the same text.
    void sauveEtRelit(int16_t f, const std::string& nom) {
        const std::string fichier = (dossier / nom).string();
        ASSERT_EQ(KMsauveFigure(f, fichier.c_str()), 0);
        const std::string ecrit = essais::contenuFichier(fichier);
        const int16_t relue = KMCreeFigEtRenvoieNumero(0, nullptr, ecrit.c_str(), "");
        ASSERT_GT(relue, 0);
        ASSERT_EQ(KMLigneEnErreur(relue), 0);
        EXPECT_EQ(ecritTexteFigure(*figureDeNumero(relue)), ecritTexteFigure(*figureDeNumero(f)));
    }
    std::string ancien;      // the file of the figure's last save
    std::string texteAncien; // what it holds
};

TEST_F(SauvegardeFautes, ANameLongerThanTheLibraryKeepsIsRefusedNotCut) {
    // Names of exactly 255 bytes are kept whole; 256 and 265 are refused.
    const std::string debut = (dossier / "").string();
    for (std::size_t longueur : {std::size_t(256), std::size_t(265)}) {
        const std::string nom = debut + std::string(longueur - debut.size() - 4, 'n') + ".k3v";
        ASSERT_EQ(nom.size(), longueur);
        attendRefus(nom, ENAMETOOLONG, ancien, texteAncien);
    }
    const std::string juste = debut + std::string(255 - debut.size() - 4, 'n') + ".k3v";
    ASSERT_EQ(KMsauveFigure(numero, juste.c_str()), 0);
    EXPECT_EQ(KMErreurSauvegarde(), 0);
    EXPECT_EQ(figure().cheminFichier, juste);
    EXPECT_EQ(essais::contenuFichier(juste), ecritTexteFigure(figure()));
}

TEST_F(SauvegardeFautes, ASaveThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
    // A relative link, a chain of two, and a link whose target does not exist yet.
    fs::create_directory(dossier / "sous");
    fs::create_symlink("ancien.k3v", dossier / "lien.k3v");
    fs::create_symlink(dossier / "lien.k3v", dossier / "sous" / "lien2.k3v");
    fs::create_symlink("nouveau.k3v", dossier / "pendant.k3v");
    struct Cas {
        fs::path lien, cible;
    };
    for (const Cas& c : {Cas{dossier / "lien.k3v", ancien}, Cas{dossier / "sous" / "lien2.k3v", ancien},
                         Cas{dossier / "pendant.k3v", dossier / "nouveau.k3v"}}) {
        figure().modifiee = 1;
        ASSERT_EQ(KMsauveFigure(numero, c.lien.string().c_str()), 0) << c.lien;
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(c.lien))) << c.lien << " is still a link";
        EXPECT_EQ(essais::contenuFichier(c.cible), ecritTexteFigure(figure())) << c.lien;
        EXPECT_EQ(figure().cheminFichier, c.lien.string());
    }
    EXPECT_EQ(noms(),
              (std::set<std::string>{"ancien.k3v", "lien.k3v", "nouveau.k3v", "pendant.k3v", "sous"}));
}

TEST_F(SauvegardeFautes, AFileWithTwoHardLinksKeepsThem) {
    const fs::path autre = dossier / "autre.k3v";
    fs::create_hard_link(ancien, autre);
    ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 0);
    EXPECT_EQ(fs::hard_link_count(ancien), 2u);
    EXPECT_TRUE(fs::equivalent(ancien, autre));
    EXPECT_EQ(essais::contenuFichier(autre), ecritTexteFigure(figure()));
    EXPECT_EQ(noms(), (std::set<std::string>{"ancien.k3v", "autre.k3v"})) << "the safe copy is gone";
}

TEST_F(SauvegardeFautes, AReadOnlyFileIsRefusedAndKeepsItsPermissions) {
    const fs::path lecture = dossier / "lecture.k3v";
    fs::copy_file(ancien, lecture);
    fs::permissions(lecture, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    attendRefus(lecture.string(), EACCES, lecture, texteAncien);
    EXPECT_EQ(fs::status(lecture).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // A link to it is refused the same way, and stays a link.
    fs::create_symlink("lecture.k3v", dossier / "vers_lecture.k3v");
    attendRefus((dossier / "vers_lecture.k3v").string(), EACCES, lecture, texteAncien);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dossier / "vers_lecture.k3v")));
}

TEST_F(SauvegardeFautes, AMissingFolderOrAFolderInPlaceOfTheFileIsRefusedWithItsReason) {
    attendRefus((dossier / "absent" / "f.k3v").string(), ENOENT, ancien, texteAncien);
    fs::create_directory(dossier / "dossier.k3v");
    attendRefus((dossier / "dossier.k3v").string(), EISDIR, ancien, texteAncien);

    // No name at all is a missing file too, after a save that succeeded.
    ASSERT_EQ(KMsauveFigure(numero, (dossier / "autre.k3v").string().c_str()), 0);
    figure().modifiee = 1;
    EXPECT_EQ(KMsauveFigure(numero, nullptr), 1);
    EXPECT_EQ(KMErreurSauvegarde(), ENOENT);
}

// The reason for the user, in the language applied, from the C interface.
TEST_F(SauvegardeFautes, TheReasonIsGivenAsASentenceInTheLanguageApplied) {
    const auto texte = [] {
        const uint32_t bloc = KMTexteErreurSauvegarde();
        const std::string t = bloc ? std::string(KMContenuBloc(bloc)) : std::string();
        if (bloc) KMLibereBloc(bloc);
        return t;
    };
    const fs::path lecture = dossier / "lecture.k3v";
    fs::copy_file(ancien, lecture);
    fs::permissions(lecture, fs::perms::owner_read);
    struct Cas {
        int16_t langue;
        std::string nom, attendu;
    };
    const Cas cas[] = {
        {2, lecture.string(), "read-only"},
        {1, lecture.string(), "lecture seule"},
        {3, (dossier / "absent" / "f.k3v").string(), "Ordner der Datei existiert nicht"},
        {2, (dossier / "absent" / "f.k3v").string(), "folder of the file does not exist"},
        {2, std::string(300, 'n'), "longer than 255"},
    };
    for (const Cas& c : cas) {
        KMappliqueLangue(c.langue);
        ASSERT_EQ(KMsauveFigure(numero, c.nom.c_str()), 1);
        EXPECT_NE(texte().find(c.attendu), std::string::npos) << texte();
    }
    // Each system failure has its own reason: a file over the system's size
    // limit is not a figure text that is too long, a name the file system
    // refuses is not one over the library's 255 characters.
    KMappliqueLangue(2);
    struct Panne {
        int erreur;
        std::string attendu, jamais;
    };
    const Panne pannes[] = {
        {EFBIG, "largest size the system allows", "65,535"},
        {ENAMETOOLONG, "too long for the file system", "255"},
        {ENOSPC, "disk is full", "65,535"},
    };
    for (const Panne& p : pannes) {
        platform::simulePanneEcriture({EtapeEcriture::EcritureCopie, p.erreur, 0});
        ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 1);
        EXPECT_EQ(KMErreurSauvegarde(), p.erreur);
        EXPECT_NE(texte().find(p.attendu), std::string::npos) << texte();
        EXPECT_EQ(texte().find(p.jamais), std::string::npos) << texte();
    }
    // A reason without a sentence of its own gives the system's number and words.
    platform::simulePanneEcriture({EtapeEcriture::Renommage, EXDEV, 0});
    ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 1);
    EXPECT_EQ(texte(), "The file could not be written (system error " + std::to_string(EXDEV) + ": " +
                           std::strerror(EXDEV) + ").");
    ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 0);
    EXPECT_EQ(KMTexteErreurSauvegarde(), 0u);
}

// Every name the library keeps (up to 255 bytes) is saved where it says,
// however long its last part: the new file made beside it has a short name
// of its own, so it never passes the file system's longest name.
TEST_F(SauvegardeFautes, NamesUpToTheLongestAreSavedWithNothingLeftBeside) {
    const fs::path avant = fs::current_path();
    fs::current_path(dossier);
    for (std::size_t longueur : {std::size_t(243), std::size_t(244), std::size_t(250), std::size_t(255)}) {
        const std::string nom = std::string(longueur - 4, 'n') + ".k3v";
        figure().modifiee = 1;
        EXPECT_EQ(KMsauveFigure(numero, nom.c_str()), 0) << longueur;
        EXPECT_EQ(KMErreurSauvegarde(), 0) << longueur;
        EXPECT_EQ(essais::contenuFichier(dossier / nom), ecritTexteFigure(figure())) << longueur;
        // Written again over itself: the file replaced, not a second one.
        figure().modifiee = 1;
        EXPECT_EQ(KMsauveFigure(numero, nom.c_str()), 0) << longueur;
        EXPECT_EQ(noms(), (std::set<std::string>{"ancien.k3v", nom})) << longueur;
        fs::remove(dossier / nom);
    }
    fs::current_path(avant);
}

// A name within the library's 255 characters that the file system refuses
// (each accented letter takes two bytes there) says so, not that it passes
// 255 characters; the library's own refusal still does.
TEST_F(SauvegardeFautes, ANameTheFileSystemRefusesIsNotSaidToPassTheLibrarysLimit) {
    const auto texte = [] {
        const uint32_t bloc = KMTexteErreurSauvegarde();
        const std::string t = bloc ? std::string(KMContenuBloc(bloc)) : std::string();
        if (bloc) KMLibereBloc(bloc);
        return t;
    };
    KMappliqueLangue(2);
    const fs::path avant = fs::current_path();
    fs::current_path(dossier);
    const std::string accentue = std::string(200, '\xE9') + ".k3v"; // 204 characters, 404 bytes on disk
    attendRefus(accentue, ENAMETOOLONG, ancien, texteAncien);
    EXPECT_NE(texte().find("too long for the file system"), std::string::npos) << texte();
    EXPECT_EQ(texte().find("255"), std::string::npos) << texte();
    attendRefus(std::string(300, 'n'), ENAMETOOLONG, ancien, texteAncien);
    EXPECT_NE(texte().find("longer than 255 characters"), std::string::npos) << texte();
    fs::current_path(avant);
}

// The system's own file-size limit, met for real: its reason, and the old
// file whole.
TEST_F(SauvegardeFautes, TheSystemsFileSizeLimitIsItsOwnReason) {
    struct rlimit avant {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &avant), 0);
    void (*signalAvant)(int) = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit petite = avant;
    petite.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    const int resultat = KMsauveFigure(numero, ancien.c_str());
    const int erreur = KMErreurSauvegarde();
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signalAvant);
    EXPECT_EQ(resultat, 1);
    EXPECT_EQ(erreur, EFBIG);
    EXPECT_EQ(essais::contenuFichier(ancien), texteAncien);
    EXPECT_EQ(noms(), (std::set<std::string>{"ancien.k3v"}));
}

// A failure at each step of a save, on a file of one name (replaced through
// a new file) and on a file with two hard links (written in place after a
// safe copy): the old file stays whole, nothing is left beside it.
TEST_F(SauvegardeFautes, AFailureAtEachStepOfTheWriteLeavesTheOldFileWhole) {
    struct Cas {
        EtapeEcriture etape;
        int erreur;
        std::size_t octetsAvant; // bytes really written before a write step fails
        bool deuxLiens;
    };
    const Cas cas[] = {
        {EtapeEcriture::CreationCopie, EACCES, 0, false},
        {EtapeEcriture::EcritureCopie, ENOSPC, 0, false},
        {EtapeEcriture::EcritureCopie, ENOSPC, 17, false}, // a short write, then the disk is full
        {EtapeEcriture::SynchronisationCopie, EIO, 0, false},
        {EtapeEcriture::Renommage, EXDEV, 0, false},
        {EtapeEcriture::CreationCopie, ENOSPC, 0, true},
        {EtapeEcriture::EcritureCopie, ENOSPC, 5, true},
        {EtapeEcriture::OuvertureCible, EACCES, 0, true},
        {EtapeEcriture::EcritureCible, ENOSPC, 0, true},
        {EtapeEcriture::EcritureCible, ENOSPC, 23, true}, // half the new text in place, then put back
        {EtapeEcriture::SynchronisationCible, EIO, 0, true},
    };
    const fs::path autre = dossier / "autre.k3v";
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << "step " << int(c.etape) << ", two links " << c.deuxLiens);
        fs::remove(autre);
        if (c.deuxLiens) fs::create_hard_link(ancien, autre);
        platform::simulePanneEcriture({c.etape, c.erreur, c.octetsAvant});
        attendRefus(ancien, c.erreur, ancien, texteAncien);
        if (c.deuxLiens) {
            EXPECT_TRUE(fs::equivalent(ancien, autre));
            EXPECT_EQ(essais::contenuFichier(autre), texteAncien);
        }
    }
    // Each failure was used once: the next save goes through.
    ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 0);
    EXPECT_EQ(KMErreurSauvegarde(), 0);
    EXPECT_EQ(essais::contenuFichier(autre), ecritTexteFigure(figure()));
}

// The reason of a failure is the library's state: it outlives the figure
// that failed (the host asks for it without a figure), and the library's
// reset clears it with the rest of its state.
TEST_F(SauvegardeFautes, TheReasonOfAFailureOutlivesItsFigureAndGoesWithTheLibrarysReset) {
    attendRefus((dossier / "absent" / "f.k3v").string(), ENOENT, ancien, texteAncien);
    KMDetruitFigure(numero);
    EXPECT_EQ(KMErreurSauvegarde(), ENOENT);
    const uint32_t bloc = KMTexteErreurSauvegarde();
    ASSERT_NE(bloc, 0u);
    EXPECT_NE(std::string(KMContenuBloc(bloc)), "");
    KMLibereBloc(bloc);

    reinitialiseBibliotheque();
    KMInitialise();
    EXPECT_EQ(KMErreurSauvegarde(), 0);
    EXPECT_EQ(KMTexteErreurSauvegarde(), 0u);
}

TEST_F(SauvegardeFautes, AFigureWithALineNoFormKeepsWithin250CharactersIsNotSaved) {
    const int16_t longs = KMCreeFigEtRenvoieNumero(0, nullptr, essais::texteAuxNomsAllonges(4).c_str(), "");
    ASSERT_GT(longs, 0) << "the text reads: every line of it has at most 250 characters";
    TfigureKalmetra& f = *figureDeNumero(longs);
    ASSERT_EQ(f.cheminFichier, "");
    // The text the writer gives has a line its reader refuses, in every
    // language: the coded form is no shorter than 250 characters.
    for (const int16_t langue : {3, 2, 1}) {
        KMappliqueLangue(langue);
        EXPECT_NE(objetAuxLignesIllisibles(f), 0) << langue;
    }
    platform::boitesDemandees().clear();
    const std::string refus = "La ligne qui d\xE9"
                              "crit r0 aurait plus de 250 caract\xE8"
                              "res et ne pourrait pas \xEA"
                              "tre relue: "
                              "le fichier n'a pas \xE9"
                              "t\xE9 \xE9"
                              "crit.";
    refusIllisible(longs, refus);
    if (HasFatalFailure()) return;
    KMDetruitFigure(longs);

    // Names of three letters: the line fits, the figure is saved and reads
    // back from its file into the same text.
    const int16_t courts = KMCreeFigEtRenvoieNumero(0, nullptr, essais::texteAuxNomsAllonges(3).c_str(), "");
    ASSERT_GT(courts, 0);
    EXPECT_EQ(objetAuxLignesIllisibles(*figureDeNumero(courts)), 0);
    sauveEtRelit(courts, "courts.k3v");
}

} // namespace
// A construction block read just under the reader's 5,000 characters whose
// lengths were read without blanks ("d1=AB", which the writer writes
// "d1 = AB", or longer coded). Saved in the language it was read in, it is
// written as it was read. Saved in English, no form of it stays under the
// limit, so the figure is not saved, the message names the construction
// and the old file stays as it was. A shorter block with a
// few such lines fits in any language and its saved file reads back into
// the same text.
std::string texteAuBlocAllonge(int longueurs, std::size_t taille) {
    std::string corps = "D\xE9"
                        "but de [T]\r\nA point donn\xE9\r\nB point donn\xE9\r\n";
    for (int k = 1; k <= longueurs; ++k)
        corps += "d" + std::to_string(k) + "=AB\r\n";
    corps += "Description de l'interface\r\nd" + std::to_string(longueurs) +
             " longueur de A et B\r\nA:\r\nB:\r\nd:\r\n";
    const std::string fin = "Fin de [T]";
    return "Figure Kalmetra\r\n" + essais::blocRempli(corps, fin, taille) + "\r\nu = 3\r\n";
}

TEST_F(SauvegardeFautes, AFigureWithABlockNoFormKeepsUnder5000CharactersIsNotSaved) {
    const int16_t longs = KMCreeFigEtRenvoieNumero(0, nullptr, texteAuBlocAllonge(29, 4990).c_str(), "");
    ASSERT_GT(longs, 0) << "the text reads: its block has fewer than 5,000 characters";
    ASSERT_EQ(KMLigneEnErreur(longs), 0);
    KMappliqueLangue(2);
    EXPECT_NE(prototypeAuBlocIllisible(*figureDeNumero(longs)), nullptr);
    platform::boitesDemandees().clear();
    const std::string refus = "The block of the construction T would have 5,000 characters or more and could "
                              "not be read back: the file was not written.";
    refusIllisible(longs, refus);
    if (HasFatalFailure()) return;
    // In French, the language it was read in, it is written as it was read.
    KMappliqueLangue(1);
    EXPECT_EQ(prototypeAuBlocIllisible(*figureDeNumero(longs)), nullptr);
    sauveEtRelit(longs, "longs.k3v");
    KMDetruitFigure(longs);

    // Three such lines in a block of 4,900 characters: it fits in each
    // language, is saved, and its file reads back into the same text.
    const int16_t courts = KMCreeFigEtRenvoieNumero(0, nullptr, texteAuBlocAllonge(3, 4900).c_str(), "");
    ASSERT_GT(courts, 0);
    for (const int16_t langue : {2, 3, 1}) {
        KMappliqueLangue(langue);
        sauveEtRelit(courts, "bloc" + std::to_string(langue) + ".k3v");
    }
}

// A figure text in one language (1 French, 2 English, 3 German) holding a
// block of a given point and 100 numbers written "v1=1" to "v100=1", padded
// to taille characters as the reader counts them. The writer's own form of
// each line is "v1 = 1", 200 characters more in all, and no form of its own
// is shorter.
std::string texteAuBlocDeNombres(int langue, std::size_t taille) {
    struct Mots {
        const char *entete, *debut, *donne, *interface, *fin;
    };
    static const Mots mots[] = {
        {"Figure Kalmetra", "D\xE9"
                            "but de [N]",
         "A point donn\xE9", "Description de l'interface", "Fin de [N]"},
        {"Kalmetra figure (English)", "Beginning of [N]", "A given point", "Interface description",
         "End of [N]"},
        {"Kalmetra Figur (Deutsch)", "Anfang von [N]", "A gegebener Punkt", "Beschreibung der Schnittstelle",
         "Ende von [N]"},
    };
    const Mots& m = mots[langue - 1];
    std::string corps = std::string(m.debut) + "\r\n" + m.donne + "\r\n";
    for (int k = 1; k <= 100; ++k)
        corps += "v" + std::to_string(k) + "=1\r\n";
    corps += std::string(m.interface) + "\r\nv100 nombre de A\r\nA:\r\nv:\r\n";
    return std::string(m.entete) + "\r\n" + essais::blocRempli(corps, m.fin, taille) + "\r\n";
}

// Such a block read just under the limit saves in the language it was read
// in (as it was read, its figure unchanged) and its file reads back into
// the same text; well under the limit it saves in any language.
TEST_F(SauvegardeFautes, ABlockReadUnder5000CharactersSavesAndReadsBack) {
    for (const int langue : {1, 2, 3}) {
        for (const std::size_t taille : {std::size_t(4850), std::size_t(4930), std::size_t(4999)}) {
            SCOPED_TRACE(testing::Message() << "language " << langue << ", block of " << taille);
            KMappliqueLangue(int16_t(langue));
            const std::string texte = texteAuBlocDeNombres(langue, taille);
            const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), "");
            ASSERT_GT(f, 0);
            ASSERT_EQ(KMLigneEnErreur(f), 0);
            EXPECT_EQ(prototypeAuBlocIllisible(*figureDeNumero(f)), nullptr);
            sauveEtRelit(f, "nombres.k3v");
            // The block is the one the file held, to the character.
            const std::size_t debut = texte.find("\r\n") + 2;
            const std::string bloc = texte.substr(debut, texte.size() - 2 - debut);
            EXPECT_NE(essais::contenuFichier(dossier / "nombres.k3v").find(bloc), std::string::npos);
            KMDetruitFigure(f);
        }
    }
    // A file whose lines end in LF alone: the block as read is written with
    // CR LF, as every other line of a figure text, and still fits.
    {
        KMappliqueLangue(1);
        std::string texte = texteAuBlocDeNombres(1, 4930);
        for (std::size_t i = texte.find("\r\n"); i != std::string::npos; i = texte.find("\r\n", i))
            texte.erase(i, 1);
        const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), "");
        ASSERT_GT(f, 0);
        ASSERT_EQ(KMLigneEnErreur(f), 0);
        sauveEtRelit(f, "nombres_lf.k3v");
        const std::string ecrit = essais::contenuFichier(dossier / "nombres_lf.k3v");
        for (std::size_t i = 0; i < ecrit.size(); ++i) {
            if (ecrit[i] == '\n') {
                EXPECT_TRUE(i > 0 && ecrit[i - 1] == '\r') << "a lone LF at " << i;
            }
            if (ecrit[i] == '\r') {
                EXPECT_TRUE(i + 1 < ecrit.size() && ecrit[i + 1] == '\n') << "a lone CR at " << i;
            }
        }
        KMDetruitFigure(f);
    }
    // 4,700 characters leave room for the 200 more of the writer's form: the
    // figure read in French saves in each language.
    KMappliqueLangue(1);
    const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr, texteAuBlocDeNombres(1, 4700).c_str(), "");
    ASSERT_GT(f, 0);
    for (const int16_t langue : {2, 3, 1}) {
        KMappliqueLangue(langue);
        sauveEtRelit(f, "nombres" + std::to_string(langue) + ".k3v");
    }
}

// A block of lengths "dk = AB" read in English near the limit: the reader
// gives each the unit Uxyz, and the writer leaves that unit unsaid as the
// text did (written "(length unit Uxyz)", in words or coded, the block would
// pass 5,000 characters by far). Saved in French and in German, the file
// holds the lines as they were read and reopens to the same figure.
TEST_F(SauvegardeFautes, ABlockOfLengthsReadInEnglishSavesInEveryLanguage) {
    std::string corps = "Beginning of [L]\r\nA given point\r\nB given point\r\n";
    for (int k = 1; k <= 60; ++k)
        corps += "d" + std::to_string(k) + " = AB+" + std::to_string(k % 9 + 1) + "*AB\r\n";
    corps += "Interface description\r\nd60 length of A and B\r\nA:\r\nB:\r\nd:\r\n";
    const std::string texte = "Kalmetra figure (English)\r\n" + essais::blocRempli(corps, "End of [L]", 4960) +
                              "\r\nP point with coordinates (1,2,3) in coordinate system Rxyz\r\n"
                              "Q point with coordinates (4,6,3) in coordinate system Rxyz\r\n"
                              "m = PQ\r\n";
    KMappliqueLangue(2);
    const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr, texte.c_str(), "");
    ASSERT_GT(f, 0);
    ASSERT_EQ(KMLigneEnErreur(f), 0);
    const std::string anglais = ecritTexteFigure(*figureDeNumero(f));
    EXPECT_NE(anglais.find("\r\nd1 = AB+2*AB\r\n"), std::string::npos);
    for (const int16_t langue : {1, 3, 2}) {
        SCOPED_TRACE(testing::Message() << "language " << langue);
        KMappliqueLangue(langue);
        EXPECT_EQ(prototypeAuBlocIllisible(*figureDeNumero(f)), nullptr);
        const std::string nom = "longueurs" + std::to_string(langue) + ".k3v";
        sauveEtRelit(f, nom);
        if (HasFatalFailure()) return;
        const std::string ecrit = essais::contenuFichier(dossier / nom);
        // Each length line as read; outside the block the main figure keeps
        // its unit written out.
        for (int k = 1; k <= 60; ++k) {
            const std::string ligne =
                "\r\nd" + std::to_string(k) + " = AB+" + std::to_string(k % 9 + 1) + "*AB\r\n";
            EXPECT_NE(ecrit.find(ligne), std::string::npos) << ligne;
        }
        EXPECT_EQ(ecrit.find("(Uxyz)"), std::string::npos);
        EXPECT_NE(ecrit.find("m = PQ ("), std::string::npos);
        // Opened again and written in English, it is the figure first read.
        const int16_t relue = KMCreeFigEtRenvoieNumero(0, nullptr, ecrit.c_str(), "");
        ASSERT_GT(relue, 0);
        KMappliqueLangue(2);
        EXPECT_EQ(ecritTexteFigure(*figureDeNumero(relue)), anglais);
        KMDetruitFigure(relue);
    }
    KMDetruitFigure(f);
}

} // namespace km32
