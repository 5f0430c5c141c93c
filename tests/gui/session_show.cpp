#include "session_show.h"

#include "fichier_essai.h"
#include "km32.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace km32::tests {

namespace fs = std::filesystem;

FigureSansEcran figureCommeShow(const std::string& texte, uint64_t graine, int largeur, int hauteur) {
    KMImposeGraineHasard(graine);
    KMTermine();
    KMInitialise();
    KMappliqueLangue(2);
    FigureSansEcran f;
    f.hote = KMCreeFenetreHote("reference", largeur, hauteur, nullptr);
    f.numero = KMCreeFigEtRenvoieNumero(f.hote, nullptr, texte.c_str(), nullptr);
    if (f.numero > 0) KMSize(f.numero, 0);
    return f;
}

void SessionShow::demarreSession(const std::string& texteFigure, uint64_t graine,
                                 const std::string& fichier) {
    if (const std::string raison = empecheEssaisGraphiques(); !raison.empty()) GTEST_SKIP() << raison;
    dossier_ = fs::temp_directory_path() / ("km32_gui_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier_);
    fs::create_directories(dossier_ / "reglages");
    figure_ = dossier_ / fichier;
    fs::create_directories(figure_.parent_path());
    std::ofstream(figure_, std::ios::binary) << texteFigure;
    // The toolkit's settings and lists of recent files stay in the test's
    // folder and in memory: every run starts from the same ones.
    const std::string reglages = (dossier_ / "reglages").string();
    // km32 show that could not open the display of a server just started on a
    // loaded machine is started once more, on a new server. The start of a
    // sanitized build on a loaded machine may be slow: the first waits are
    // longer than the others.
    for (int essai = 0; essai < 2; ++essai) {
        ecran_ = std::make_unique<EcranX>();
        ASSERT_TRUE(ecran_->pret()) << "Xvfb did not start";
        programme_ =
            ecran_->lance({KM32_CLI, "show", "--seed", std::to_string(graine), figure_.string()},
                          (dossier_ / "show.log").string(),
                          {"GSETTINGS_BACKEND=memory", "HOME=" + reglages, "XDG_CONFIG_HOME=" + reglages,
                           "XDG_DATA_HOME=" + reglages, "XDG_CACHE_HOME=" + reglages, "NO_AT_BRIDGE=1"});
        attends([&] { return principale().has_value() || !ecran_->enCours(programme_); }, 60);
        if (principale().has_value()) break;
    }
    ASSERT_TRUE(principale().has_value()) << essais::contenuFichier(dossier_ / "show.log");
    // The window takes input once it shows the figure.
    ASSERT_TRUE(attends([&] { return sombres(4, 4, kLargeur - 4, kHauteur - 4) > 20; }, 60))
        << "the figure was not drawn";
}

void SessionShow::TearDown() {
    if (ecran_ && programme_ > 0 && ecran_->enCours(programme_)) {
        ecran_->xdotool("mousemove 20 20");
        ecran_->xdotool("key Escape");
        ecran_->xdotool("key ctrl+q");
        // A figure changed by the test asks whether to save it: No, once
        // the question shows at rest (a sanitized build on a loaded machine
        // may take long to show it or to end).
        attends([&] { return !ecran_->enCours(programme_) || autresFenetres().size() == 1; }, 60);
        std::vector<EcranX::FenetreX> question;
        if (ecran_->enCours(programme_) && attendsAutresFenetres(1, question, 20)) {
            survole(question);
            ecran_->xdotool("key alt+n");
        }
        int statut = 0;
        EXPECT_TRUE(ecran_->attendsFin(programme_, statut)) << "km32 show did not end on Ctrl+Q";
    }
    abandonneSession();
}

void SessionShow::abandonneSession() {
    ecran_.reset();
    if (!dossier_.empty()) fs::remove_all(dossier_);
    dossier_.clear();
}

std::optional<EcranX::FenetreX> SessionShow::principale() {
    for (const EcranX::FenetreX& f : ecran_->fenetres())
        if (f.nom.rfind("km32 - ", 0) == 0 && f.largeur == kLargeur && f.hauteur == kHauteur) return f;
    return std::nullopt;
}

std::vector<EcranX::FenetreX> SessionShow::autresFenetres() {
    std::vector<EcranX::FenetreX> a;
    for (const EcranX::FenetreX& f : ecran_->fenetres())
        if (f.nom.rfind("km32 - ", 0) != 0 && f.largeur > 50 && f.hauteur > 20) a.push_back(f);
    return a;
}

bool SessionShow::attendsAutresFenetres(std::size_t n, std::vector<EcranX::FenetreX>& fenetres,
                                        int secondes) {
    std::vector<EcranX::FenetreX> avant;
    bool lu = false;
    auto memesPlaces = [](const std::vector<EcranX::FenetreX>& a, const std::vector<EcranX::FenetreX>& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (a[k].id != b[k].id || a[k].x != b[k].x || a[k].y != b[k].y || a[k].largeur != b[k].largeur ||
                a[k].hauteur != b[k].hauteur)
                return false;
        return true;
    };
    return attends(
        [&] {
            fenetres = autresFenetres();
            const bool pose = lu && fenetres.size() == n && memesPlaces(fenetres, avant);
            avant = fenetres;
            lu = true;
            return pose;
        },
        secondes);
}

std::optional<EcranX::FenetreX> SessionShow::attendsBoite(int secondes) {
    std::vector<EcranX::FenetreX> b;
    if (!attendsAutresFenetres(1, b, secondes)) return std::nullopt;
    survole(b);
    return b[0];
}

void SessionShow::survole(const std::vector<EcranX::FenetreX>& f) {
    if (!f.empty())
        ecran_->xdotool("mousemove " + std::to_string(f[0].x + f[0].largeur / 2) + " " +
                        std::to_string(f[0].y + 20));
}

Capture SessionShow::ecranActuel() {
    std::optional<Capture> c = ecran_->capture();
    return c ? *c : Capture{};
}

Capture SessionShow::partie(int gauche, int haut, int droite, int bas) {
    return partie(ecranActuel(), gauche, haut, droite, bas);
}

Capture SessionShow::partie(const Capture& ecran, int gauche, int haut, int droite, int bas) {
    gauche = std::max(0, gauche);
    haut = std::max(0, haut);
    Capture c;
    c.largeur = std::max(0, std::min(droite, ecran.largeur) - gauche);
    c.hauteur = std::max(0, std::min(bas, ecran.hauteur) - haut);
    for (int y = haut; y < haut + c.hauteur; ++y)
        for (int x = gauche; x < gauche + c.largeur; ++x)
            c.pixels.push_back(ecran.pixel(x, y));
    return c;
}

int SessionShow::sombres(int gauche, int haut, int droite, int bas) {
    const Capture c = ecranActuel();
    return c.largeur == 0 ? 0 : pixelsSombres(c, gauche, haut, droite, bas).nombre;
}

Capture SessionShow::ecranStable() {
    return ecranStable([](const Capture&) { return true; }, 20);
}

Capture SessionShow::ecranStable(const std::function<bool(const Capture&)>& condition, int secondes) {
    Capture avant = ecranActuel(), apres;
    attends(
        [&] {
            apres = ecranActuel();
            const bool stable = apres.largeur > 0 && apres.pixels == avant.pixels && condition(apres);
            avant = apres;
            return stable;
        },
        secondes);
    return apres;
}

std::vector<EcranX::FenetreX> SessionShow::ouvreMenuFigure() {
    std::vector<EcranX::FenetreX> menu;
    for (int essai = 0; essai < 3 && menu.size() != 1; ++essai) {
        ecran_->xdotool("mousemove 600 450 click --repeat 2 --delay 80 1");
        attendsAutresFenetres(1, menu, 10);
    }
    return menu.size() == 1 ? menu : std::vector<EcranX::FenetreX>{};
}

bool SessionShow::cliqueElementMenu(const EcranX::FenetreX& menu, int rang, std::size_t fenetresApres,
                                    std::vector<EcranX::FenetreX>* fenetres, int x) {
    std::vector<EcranX::FenetreX> f;
    for (int essai = 0; essai < 3; ++essai) {
        // A pixel lower each time, so that the pointer moves onto the item again.
        ecran_->xdotool("mousemove " + std::to_string(menu.x + x) + " " +
                        std::to_string(menu.y + 4 + 25 * rang + 12 + essai) + " click 1");
        if (attendsAutresFenetres(fenetresApres, f, 15)) {
            if (fenetres) *fenetres = f;
            return true;
        }
        // The menu itself closed: clicking again would reach what lies under it.
        bool ouvert = false;
        for (const EcranX::FenetreX& g : f)
            ouvert = ouvert || g.id == menu.id;
        if (!ouvert) break;
    }
    return false;
}

std::vector<EcranX::FenetreX> SessionShow::ouvreSousMenu(int rang) {
    for (int essai = 0; essai < 2; ++essai) {
        std::vector<EcranX::FenetreX> m = autresFenetres();
        if (m.size() != 1) {
            // Whatever shows is closed first, then the menu opened.
            if (!m.empty()) survole(m), ecran_->xdotool("key Escape Escape Escape");
            attends([&] { return autresFenetres().empty(); }, 5);
            m = ouvreMenuFigure();
        }
        if (m.size() != 1) continue;
        std::vector<EcranX::FenetreX> m2;
        if (cliqueElementMenu(m[0], rang, 2, &m2))
            return m2[0].id == m[0].id ? m2 : std::vector<EcranX::FenetreX>{m2[1], m2[0]};
    }
    return {};
}

void SessionShow::commandeDuMenu(int rang, int sousRang) {
    const std::vector<EcranX::FenetreX> m = ouvreSousMenu(rang);
    ASSERT_EQ(m.size(), 2u) << "no sub-menu opened";
    ASSERT_TRUE(cliqueElementMenu(m[1], sousRang, 0)) << "the menus stayed open";
}

void SessionShow::choisitDansMenu(const std::vector<std::string>& touches) {
    ASSERT_EQ(ouvreMenuFigure().size(), 1u) << "no menu opened";
    for (std::size_t k = 0; k < touches.size(); ++k) {
        ecran_->xdotool("key " + touches[k]);
        // Each letter but the last opens one more sub-menu, whose first item
        // it selects: that item opens its own sub-menu a moment later (the
        // toolkit's delay), so that one more menu may show by then.
        if (k + 1 < touches.size() && touches[k + 1] != "Return") {
            ASSERT_TRUE(attends([&] { return autresFenetres().size() >= k + 2; }))
                << "the menu did not open the sub-menu of " << touches[k];
        }
    }
    ASSERT_TRUE(attends([&] { return autresFenetres().empty(); })) << "the menu stayed open";
}

std::string SessionShow::titre() {
    const std::optional<EcranX::FenetreX> f = principale();
    return f ? f->nom : std::string();
}

std::string SessionShow::sauveEtLis() {
    const auto avant = fs::last_write_time(figure_);
    const std::string texteAvant = essais::contenuFichier(figure_);
    ecran_->xdotool("mousemove 400 500");
    ecran_->xdotool("key ctrl+s");
    EXPECT_TRUE(attends([&] {
        return fs::last_write_time(figure_) != avant || essais::contenuFichier(figure_) != texteAvant;
    })) << "Ctrl+S wrote nothing";
    return essais::contenuFichier(figure_);
}

void SessionShow::garde(const Capture& c, const std::string& nom) {
    fs::create_directories(KM32_CAPTURES);
    ecritCapturePng(c, std::string(KM32_CAPTURES) + "/" + nom);
}

} // namespace km32::tests
