/* A small host in C that knows the library only through its installed
 * header: it builds a figure from a text, reads a length the geometry fixes
 * (|AB| = 5 for A(0,0,0), B(3,4,0)), applies a text that fails and checks
 * that the figure kept its objects, and prints the figure's text. */
#include <stdio.h>
#include <string.h>

#include <km32.h>

static int32_t boiteMuette(const char* texte, const char* titre, uint32_t style) {
    (void)style;
    printf("box: %s | %s\n", titre, texte);
    return 1;
}

int main(void) {
    KMInitialise();
    KMInstalleAfficheurMessages(boiteMuette);
    const char* texte = "Figure Kalmetra\r\n"
                        "A point de coordonn\xE9"
                        "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                        "B point de coordonn\xE9"
                        "es (3,4,0) dans le rep\xE8re Rxyz\r\n"
                        "d = AB\r\n";
    const int16_t n = KMCreeFigEtRenvoieNumero(0, NULL, texte, NULL);
    if (n <= 0) return 2;
    printf("d = %.6f\n", KMValeurScalaireDouble(n, "d"));
    const int32_t objets = KMNombreObjets(n);
    KMExecuterTexte(n, "Figure Kalmetra\r\nM milieu du segment [AZ]\r\n");
    printf("objects kept: %s\n", KMNombreObjets(n) == objets && KMObjetValide(n, "d") ? "yes" : "no");
    const uint32_t bloc = KMTexteFigure(n);
    if (bloc == 0) return 3;
    printf("text has d: %s\n", strstr(KMContenuBloc(bloc), "d = AB") ? "yes" : "no");
    KMLibereBloc(bloc);
    KMDetruitFigure(n);
    KMTermine();
    return 0;
}
