/* km32: figures of solid geometry for teaching. The public C interface.
 *
 * Figure numbers are 16-bit integers 0..64; handles (windows, memory blocks)
 * are 32-bit ids; texts are NUL-terminated Windows-1252 strings. Every
 * function catches every error: nothing throws or crashes across this
 * boundary, and a figure number outside 0..64 is refused without touching
 * any table.
 *
 * Start and end: the library starts itself on the first call of any function
 * below. A host may also start it explicitly with KMInitialise (for example
 * right after loading it) and must call KMTermine before unloading it; a call
 * made after KMTermine starts the library again. */
#ifndef KM32_H
#define KM32_H

#include <stdint.h>

#if defined(KM32_BUILDING_LIBRARY)
#define KM32_EXPORT __attribute__((visibility("default")))
#else
#define KM32_EXPORT
#endif

#define KM32_BOUTONS(style) ((style)&0xF)

#ifdef __cplusplus
extern "C" {
#endif

/* Starts the library (its load-time steps); a second call does nothing. */
KM32_EXPORT void KMInitialise(void);
/* Ends the library: releases what KMInitialise built. */
KM32_EXPORT void KMTermine(void);

/* Imposes the seed of the library's random generator (where free objects are
 * placed when a figure creates them, the trials of property tests): the
 * generator restarts from it now and at every later start of the library,
 * instead of from the clock. The same seed and the same calls give the same
 * figure on every machine. */
KM32_EXPORT void KMImposeGraineHasard(uint64_t graine);

/* Message boxes and questions of the library go to the host. The function
 * receives the text and the caption (Windows-1252, a line break is CR) and the
 * style bits of the box, and returns the answer: 1 OK, 2 Cancel, 6 Yes, 7 No.
 * Style bits: the buttons in the low four bits (0 OK, 1 OK and Cancel, 3 Yes,
 * No and Cancel, 4 Yes and No), the icon in the next four (1 error, 2 question,
 * 3 exclamation, 4 information). While a host's function is installed, an
 * input box is answered as cancelled. Until a host installs one (or after it
 * installs NULL) boxes are not shown and get their default answer: OK, Yes
 * for a question, the proposed text for an input box. */
typedef int32_t (*KMAfficheurMessage)(const char* texte, const char* titre, uint32_t style);
KM32_EXPORT void KMInstalleAfficheurMessages(KMAfficheurMessage afficheur);

/* Help. The host installs a function that opens the help file fichier (the
 * help directory of the shared table and the file of the applied language)
 * for the window: commande 1 opens the topic whose context number is donnee,
 * 3 the contents. It returns 1 when it showed the help. AppelAideKM32 asks
 * for help and answers 1 when the host's function showed it; without a
 * function (or after NULL is installed) every request is refused with 0, and
 * a command or key of a figure that asked for help carries KM_REFUSE in its
 * message's result. */
typedef int32_t (*KMAfficheurAide)(uint32_t fenetre, const char* fichier, uint32_t commande, uint32_t donnee);
KM32_EXPORT void KMInstalleAfficheurAide(KMAfficheurAide afficheur);
KM32_EXPORT int32_t AppelAideKM32(uint32_t fenetre, uint16_t commande, uint16_t donnee);

/* The version of the library, "1.3.3.0", in a memory block of 10 bytes (the
 * text, its NUL, zeros) that belongs to the caller (free it with
 * KMLibereBloc). 0 on failure. */
KM32_EXPORT uint32_t KM32NumeroVersion(void);

/* Memory blocks handed to a host: their bytes (a NUL-terminated text; NULL for
 * an unknown block), their size in bytes (0 for an unknown block), and their
 * release (an unknown block is ignored). A block's size is its text with the
 * final NUL, except for the blocks whose size an export states: those are
 * zero-filled after the text's NUL up to that size. */
KM32_EXPORT const char* KMContenuBloc(uint32_t bloc);
KM32_EXPORT uint32_t KMTailleBloc(uint32_t bloc);
KM32_EXPORT void KMLibereBloc(uint32_t bloc);

/* Draws a figure into a picture file in one call: a new figure runs the
 * figure text texte (Windows-1252, CR LF between lines), its view turned to
 * angles (vertical, horizontal and frontal angle in degrees; NULL keeps the
 * figure's own view), and is drawn at largeur x hauteur pixels (1..16384)
 * into fichier (a Windows-1252 name): a PNG image, or an SVG or PDF page of
 * that many points, by the extension ".png", ".svg" or ".pdf" (any case).
 * The figure is destroyed afterwards. Returns 0 when the file was written;
 * the number (from 1) of the first line of the text that could not be run;
 * -1 for refused arguments (NULL text or name, a size outside 1..16384, an
 * angle that is not a number), -2 when the file could not be written, -3 for
 * another extension, -4 when all 64 figure numbers are taken. The picture is
 * written whole or not at all, as KMsauveFigure writes a figure: into a new
 * file beside it, renamed over it once complete. After -2 a file of that
 * name keeps its content and no new file is left (a device or a pipe named
 * as the picture is written into directly). */
KM32_EXPORT int32_t KMRendFigureDansFichier(const char* texte, const char* fichier, int32_t largeur,
                                            int32_t hauteur, const double* angles);
/* The same, with the physical width of an SVG or PDF page: largeurMm
 * millimetres (0.1 to 10000; its height in the proportion of largeur x
 * hauteur), or 0 for one point per pixel as KMRendFigureDansFichier. SVG and
 * PDF pages are drawn in hundredths of a millimetre: lines, curves and the
 * dashes of hidden parts keep their precision, pens, point marks and texts
 * the size they have on the picture. A PNG image ignores largeurMm. Returns
 * as KMRendFigureDansFichier; -1 also for a width outside 0.1..10000 (other
 * than 0) or not a number. */
KM32_EXPORT int32_t KMRendFigureDansFichierMm(const char* texte, const char* fichier, int32_t largeur,
                                              int32_t hauteur, const double* angles, double largeurMm);
/* Why the last of these calls answered -2: the system's error number (errno,
 * as ENOSPC for a full disk, ENOENT for a missing folder, EACCES for a file
 * or folder that may not be written); 0 after a picture written. */
KM32_EXPORT int32_t KMErreurRendu(void);

/* ------------------------------------------------------------------------
 * Windows on screen.
 *
 * The library runs headless by default: its windows, menus and boxes are
 * models that a host drives by calls. A build made with GTK 3 also shows them
 * on screen. KMDemarreAffichageReel chooses that backend (the library, if
 * already started, ends and starts again on it) and answers 1, or 0 when
 * the build lacks it or no display opens (the library then stays headless).
 * On screen every top-level window of the library is a real window, the
 * figure's menu, the message boxes, the input box and the file dialogs are
 * the toolkit's own, and the clipboard and the cursor are the desktop's.
 *
 * KMCreeFenetreHote makes a shown top-level window for the host, largeur x
 * hauteur pixels, with its caption (Windows-1252) and a procedure that gets
 * its messages (window, message, wParam, lParam; the mouse, keys, WM_SIZE
 * when the user resizes it, WM_CLOSE when the user closes it, the WM_KEYUP
 * notices of its figures); its handle, 0 for a refused size (1..16384).
 * A figure created for it with KMCreeFigEtRenvoieNumero is drawn in it.
 * KMDetruitFenetreHote and KMChangeTitreFenetreHote act on such windows
 * only. KMBoucleFenetres runs the event loop (the library's messages, paints
 * and timers with it) until the procedure calls KMQuitteBoucleFenetres.
 * Without a display (the library headless) it does not wait: it runs the
 * messages the library posted and the timers that are due, then returns.
 * A host without a display calls it from its own loop, often enough for
 * the timers it wants (every 10 to 100 ms): that is how a figure's deferred
 * start lines run (about a second after the figure was created or its text
 * applied), how shared values reach the other figures, and how repetition
 * commands and the figure clock tick. A host that never calls it gets none
 * of these.
 * ------------------------------------------------------------------------ */
#define KM_TOUCHE_HOTE                                                                                       \
    0x0BD0 /* a key with Ctrl, offered to the host window first:                                             \
            * wParam the virtual-key code, lParam KM_TOUCHE_HOTE_MAJ                                         \
            * when Shift is held too; answer 1 to take it */
#define KM_TOUCHE_HOTE_MAJ 1
KM32_EXPORT int32_t KMDemarreAffichageReel(void);
typedef int32_t (*KMProcedureFenetre)(uint32_t fenetre, uint32_t message, uint32_t wParam, int32_t lParam);
KM32_EXPORT uint32_t KMCreeFenetreHote(const char* titre, int32_t largeur, int32_t hauteur,
                                       KMProcedureFenetre procedure);
KM32_EXPORT void KMDetruitFenetreHote(uint32_t fenetre);
KM32_EXPORT void KMChangeTitreFenetreHote(uint32_t fenetre, const char* titre);
/* The same with a caption in UTF-8 (a file's name in any script): the
 * window shows it as given; the library reads it in Windows-1252, a
 * character outside it as '?'. */
KM32_EXPORT void KMChangeTitreFenetreHoteUtf8(uint32_t fenetre, const char* titre);
KM32_EXPORT void KMBoucleFenetres(void);
KM32_EXPORT void KMQuitteBoucleFenetres(void);
/* A message box for the host, through the library's boxes (on screen with the
 * real backend; headless, answered by the library's box script): texte and
 * titre in Windows-1252, style the buttons (0 OK, 1 OK/Cancel, 3
 * Yes/No/Cancel, 4 Yes/No) plus an icon (0x10 error, 0x20 question, 0x30
 * warning, 0x40 information). The answer: 1 OK, 2 Cancel, 6 Yes, 7 No. */
KM32_EXPORT int32_t KMBoiteMessageHote(const char* texte, const char* titre, uint32_t style);
/* A question for the host in UTF-8 (texte, titre and the captions of its
 * buttons, '&' before an access letter): one to three buttons (none given:
 * OK), icone as in KMBoiteMessageHote. The rank of the button chosen, from
 * 1; closing the box chooses the last one. */
KM32_EXPORT int16_t KMQuestionHoteUtf8(const char* texte, const char* titre, uint32_t icone,
                                       const char* bouton1, const char* bouton2, const char* bouton3);
/* The save-file dialog for the host, starting on the file nomInitial (its
 * folder and name); filtre as "Caption|*.k3v|Caption|*.*|". Writes the path
 * chosen (Windows-1252, ending with 0) into chemin, taille bytes at most,
 * and answers 1; 0 when cancelled or when the path does not fit. */
KM32_EXPORT int32_t KMDialogueEnregistrerHote(const char* titre, const char* filtre, const char* nomInitial,
                                              char* chemin, int32_t taille);
/* The same with titre, nomInitial and the path written in UTF-8 (filtre
 * stays in Windows-1252): a file named in any script is proposed under its
 * own name. A name the library's characters cannot hold is refused in the
 * dialog, which says so and stays open, so the path written is always one
 * KMsauveFigure can take once turned into Windows-1252. */
KM32_EXPORT int32_t KMDialogueEnregistrerHoteUtf8(const char* titre, const char* filtre,
                                                  const char* nomInitial, char* chemin, int32_t taille);

/* ------------------------------------------------------------------------
 * Figures of the host.
 *
 * A host creates a figure for one of its windows and gets its number, 1 to
 * 64. The figure is painted into the host's window; when the host activates
 * it (a click through KMMouseDown, KMSize, the line "Activer la figure"), a
 * window of the library is laid over the host window's rectangle and takes
 * the mouse and keys itself until it loses the activation or the host
 * window moves. The library tells the host window through WM_KEYUP
 * (0x0101) with wParam: 1025 the figure was modified, 1028 the figure text
 * is to be read again, 1032 + cause with lParam the free object moved (cause
 * 0 mouse, 1 keyboard, 2 direct, 3 memorised, 4 random assignments, 5 clock,
 * 16 mouse grab), 2048 Shift+Alt+click on the figure.
 *
 * A figure number outside 0..64, or one with no figure, does nothing and
 * gives the default result (0, or 1.430175116073 for a value). A NULL text
 * counts as the empty text; texts are cut to 255 bytes unless said
 * otherwise.
 * ------------------------------------------------------------------------ */

/* Creates a figure for the window hote in the first free number (the figure
 * file fichier, or the text texte, or the default figure) and returns the
 * number, 0 when all 64 are taken. parametres: "Nom=" the title (up to ',',
 * '/' or ';'), "Image=" or "BitMap=" a background picture file (up to ';'). */
KM32_EXPORT int16_t KMCreeFigEtRenvoieNumero(uint32_t hote, const char* fichier, const char* texte,
                                             const char* parametres);
/* Creates the figure again in number numero, whose window exists already. */
KM32_EXPORT void KMCreeFig(int16_t numero, const char* fichier, const char* texte, const char* parametres);
/* A figure drawn in a window of the caller, with a background colour
 * (0x00BBGGRR); its number, 0 when all 64 are taken. */
KM32_EXPORT int32_t creeFigureKMPourFenetreExterne(uint32_t fenetre, const char* fichier, uint32_t couleur);
/* Destroys figure numero and its window; a message box when it is already
 * destroyed. This is the call that frees the number: the next
 * KMCreeFigEtRenvoieNumero may take it again. */
KM32_EXPORT void KMDetruitFigure(int16_t numero);
/* Destroys the figure record alone: its window, if any, stays, and so the
 * number stays taken until KMDetruitFigure (KMCreeFig may fill it again). */
KM32_EXPORT void KMdetruitFigureMeme(int16_t numero);
/* Follows the host window's new size (the second argument is not used). */
KM32_EXPORT void KMSize(int16_t numero, uint32_t inutilise);
/* Sets the background colour (0x00BBGGRR; above 0xFFFFFF refused). */
KM32_EXPORT void KMChangeCouleurFondFigure(int16_t numero, uint32_t couleur);
/* A full refresh of the drawing. */
KM32_EXPORT void KMRedessineBrutal(int16_t numero);
/* Paints the figure into a device context of the host. */
KM32_EXPORT void KMRepeintFigure(int16_t numero, uint32_t contexte);
KM32_EXPORT void repeintFigureKMparNumero(int16_t numero, uint32_t contexte);
/* The drawing to the clipboard as a picture: at the screen's size, or
 * adjusted to the figure's copy settings (the parameter is kept with the
 * figure); the handle of the picture on the clipboard, 0 on failure (the
 * clipboard could not be opened). With the print frame shown only the part
 * inside it is copied. */
KM32_EXPORT uint32_t KMCopierDessin(int16_t numero);
KM32_EXPORT uint32_t KMCopierDessinAjuste(int16_t numero, int16_t parametre);

/* What the clipboard holds. Its text (Windows-1252; tables of values have TAB
 * between cells and CR LF after every row) in a block, 0 when it holds no
 * text. Its picture (the copied drawing) as a document in a block: format 0
 * an SVG document whose width and height are given in millimetres, 1 a PDF
 * document of one page of that size; KMTailleBloc gives the document's size
 * plus one (a PDF holds NUL bytes); 0 when it holds no picture or for another
 * format. The picture's width and height in hundredths of a millimetre:
 * 1 when it holds a picture, else 0 (a NULL output is skipped). */
KM32_EXPORT uint32_t KMPressePapiersTexte(void);
KM32_EXPORT uint32_t KMPressePapiersDessin(int32_t format);
KM32_EXPORT int32_t KMPressePapiersTailleDessin(int32_t* largeur, int32_t* hauteur);

/* Mouse in the host window: bouton 1 left, 2 right; x, y in pixels, rounded
 * to whole pixels 0 to 65535 (below 0 counts as 0) that travel as the low and
 * high words of the message's lParam; a position that is not a number or
 * rounds beyond 65535 is refused (nothing happens, 0). KMMouseDown activates the figure, or
 * with code 1 opens its command menu, 3 asks for a line to run, 5 sends the
 * host WM_KEYUP 2048; while the figure's construction dialog or style
 * palette waits for a designation, the press designates. */
KM32_EXPORT void KMMouseDown(int16_t numero, int16_t bouton, int16_t code, float x, float y);
KM32_EXPORT uint8_t KMMouseUp(int16_t numero, int16_t bouton, int16_t code, float x, float y);
KM32_EXPORT uint8_t KMMouseMove(int16_t numero, int16_t bouton, int16_t code, float x, float y);
/* A key pressed (virtual-key code) and a character typed; 1 when handled. */
KM32_EXPORT uint8_t KMKeyDown(int16_t numero, uint16_t touche);
KM32_EXPORT uint8_t KMKeyPress(int16_t numero, uint16_t caractere);
/* The figure cursor again (unless a dialog of the library is open). */
KM32_EXPORT void CurseurKM(void);
/* Takes the shared values published by other windows. */
KM32_EXPORT void KMimporteMouvement(int16_t numero);
/* Runs the key-bound command object nom (at most 10 bytes). */
KM32_EXPORT void KMExecuteCommande(int16_t numero, const char* nom);

/* The figure's command menu: KMAfficheMenu shows it at the mouse position
 * (built on first use from the commands the figure allows) and runs the
 * command picked; KMMenuDeLaFigure gives its handle (0 when the figure has
 * none yet). KMmiseAjourMenus fills 65 bytes: the trace byte (1 in a trace
 * mode), the enabled commands (32 bytes, bit k of byte k / 8 for command k)
 * and the marked commands (32 bytes). KMmiseAjourBoutons fills 66 bytes:
 * the trace byte, the replay byte, the enabled and the marked commands. */
KM32_EXPORT void KMAfficheMenu(int16_t numero);
KM32_EXPORT uint32_t KMMenuDeLaFigure(int16_t numero);
KM32_EXPORT void KMmiseAjourMenus(int16_t numero, uint8_t* enregistrement);
KM32_EXPORT void KMmiseAjourBoutons(int16_t numero, uint8_t* enregistrement);

/* The reminders window of the figure: every object written out, in four
 * groups (predefined objects, created objects, displays, commands). Nothing
 * for an unknown number; a message box when the figure has nothing to show. */
KM32_EXPORT void KMAfficheRappels(int16_t numero);

/* A window message for a figure's dispatcher: 1 when handled. A command
 * (WM_COMMAND) or key that the library could not run at all (its window is
 * not in the library, no help function installed, a prototype the menu does
 * not offer) sets resultat to KM_REFUSE; a message that was run leaves
 * resultat as the host gave it, even when it changed nothing. */
#define KM_REFUSE (-1)
typedef struct KMMessage {
    uint32_t message;
    uint32_t wParam;
    int32_t lParam; /* mouse messages: x in the low, y in the high 16 bits */
    int32_t resultat;
} KMMessage;
KM32_EXPORT uint8_t traiteMessageKMParNumero(int16_t numero, KMMessage* message);

/* The view angle "rotVerticale", "rotHorizontale" or "rotFrontale"
 * (radians), else the value of the number object nom; 1.430175116073 when
 * it is undefined or there is none. */
KM32_EXPORT double KMValeurScalaireDouble(int16_t numero, const char* nom);
/* Sets the free number nom (anything else, or a value that is not finite, is
 * ignored) and recomputes what depends on it; the result has no meaning (0). */
KM32_EXPORT int16_t KMAffecteScalaire(int16_t numero, const char* nom, double valeur);
/* The name of the free object piloted by the keyboard (0 when none), and of
 * the free object moved last (an empty name when none), in a block of 10
 * bytes: at most 9 characters, the NUL, zeros. */
KM32_EXPORT uint32_t KMNomLibreActif(int16_t numero);
KM32_EXPORT uint32_t KMDernierLibreBouge(int16_t numero);
/* 1 when the object nom (a name or a notation such as "[AB]") is defined. */
KM32_EXPORT int32_t KMObjetValide(int16_t numero, const char* nom);
/* The objects of a figure one by one: their count (built-in objects 1 to 13
 * included; 0 for no figure), and for object objet (1 to the count) its name
 * in a memory block (free it with KMLibereBloc; 0 for no such object), its
 * kind (1 point, 8 number, ...; 0 for no such object) and whether it is
 * defined: 0 when it is, else the phrase number of the reason why not (-1 for
 * no such object). */
KM32_EXPORT int32_t KMNombreObjets(int16_t numero);
KM32_EXPORT uint32_t KMNomObjetDeNumero(int16_t numero, int32_t objet);
KM32_EXPORT int32_t KMNatureObjet(int16_t numero, int32_t objet);
KM32_EXPORT int32_t KMRaisonObjetNonDefini(int16_t numero, int32_t objet);
/* The text of that reason in the applied language, with the vertex names its
 * "#1" and "#2" stand for filled in, in a memory block (free it with
 * KMLibereBloc); 0 when the object is defined or does not exist. */
KM32_EXPORT uint32_t KMTexteRaisonObjetNonDefini(int16_t numero, int32_t objet);
/* Phrase numero of the applied language into texte (256 bytes, NUL-terminated). */
KM32_EXPORT void KMPhraseDeNumero(uint16_t numero, char* texte);
/* Applies a language (1 French, 2 English, 3 German) to both libraries. */
KM32_EXPORT void KMappliqueLangue(int16_t langue);
/* The language a figure text is written in, from its header line (1 French,
 * 2 English, 3 German); 0 for a text without one (it is then read in the
 * applied language) and for NULL. */
KM32_EXPORT int16_t KMLangueDuTexte(const char* texte);

/* Texts and lines. KMExecuterTexte: the text replaces the figure.
 * KMExecuteLigneFig: runs the lines of ligne (CR LF between them; '%' starts
 * a comment), without redrawing; KMExecuteLigneFigEtRedessine: the same with
 * a redraw, and the host's own lines ("Activer la figure", "Image=...",
 * "Affecter la propriete TexteDeLaFigure", language names, "Dialog:" and a
 * menu path). A line whose error stops the run is shown in a message box. */
KM32_EXPORT void KMExecuterTexte(int16_t numero, const char* texte);
/* Reads the figure file (fewer than 65536 bytes), checks that its text runs
 * whole and hands it to the sibling library as the text of a new figure:
 * 1 when done, 0 when the file cannot be read or its text fails. */
KM32_EXPORT int32_t KMInstalleTexteFigureNouvelle(const char* fichier);
KM32_EXPORT void KMExecuteLigneFig(int16_t numero, const char* ligne);
KM32_EXPORT void KMExecuteLigneFigEtRedessine(int16_t numero, const char* ligne);
/* The number (from 1) of the line at which the last text run on figure
 * numero stopped: the text of KMCreeFigEtRenvoieNumero, KMCreeFig or
 * KMExecuterTexte, or the lines of KMExecuteLigneFig and
 * KMExecuteLigneFigEtRedessine. 0 when that run went through, and for a
 * figure that does not exist. The message box of the failing line says why.
 * -1 when the figure file given to KMCreeFigEtRenvoieNumero, KMCreeFig or
 * creeFigureKMPourFenetreExterne could not be read at all (missing, a folder
 * or not permitted, 65536 bytes or more): the number is still returned with
 * an empty figure, and a message box titled with the file's name says why.
 * A file whose line fails gives that line, as a text does. */
KM32_EXPORT int32_t KMLigneEnErreur(int16_t numero);
/* The answers to a query line in a block of 65,536 bytes (zero-filled after
 * the answers' NUL; longer when the answers are), 0 when the query fails. */
KM32_EXPORT uint32_t KMfournitHandleSurTexte(int16_t numero, const char* ligne);
/* The figure written as text (CR LF lines) in a block of 65,536 bytes
 * (zero-filled after the text's NUL), whole whatever its length: a longer
 * text gives a longer block. Every figure made by edits writes a text that
 * reads back; a figure read from a text whose rename lines lengthened the
 * names of a long line (a line that no form keeps within the reader's 250
 * characters) or of a construction block (5,000 characters) still gets its
 * whole text here, and that text would not read back: a host that stores the
 * text asks KMVerifieTexteFigure first (a save refuses such a figure by
 * itself). */
KM32_EXPORT uint32_t KMTexteFigure(int16_t numero);
/* Whether the text KMTexteFigure gives for the figure now reads back: the
 * library reads it into a throw-away figure as a figure file is opened (no
 * message shown, no start command run) and writes that figure again. 0 when the text reads whole and
 * is written again the same; else the number (from 1) of the first line of
 * the text at which the reading stops or from which the text written again
 * differs; -1 for a figure that does not exist. It costs about one reading of
 * the text. */
KM32_EXPORT int32_t KMVerifieTexteFigure(int16_t numero);
/* Saves the figure text into the file (Windows-1252 name): 0 when written,
 * 1 when not (the old file is then left as it was). A text of 65,536 bytes
 * or more is not written (a figure file that long could not be read again):
 * a message box says so and the result is 1. A name longer than 255 bytes
 * is refused (never cut). A figure with a line its reader would refuse
 * (over 250 characters in every form the writer has: possible only when
 * rename lines read from a text lengthened names in a long line) is not
 * written either: a message box names the object and the result is 1. The
 * text is read back into a throw-away figure before the file is written; a
 * text that would not give the same figure back is not written either (the
 * message names its first such line). A
 * symbolic link is saved through: its target is
 * written and the link stays; a file with several hard links is written in
 * place and keeps them; a read-only file is refused. After a save the
 * figure takes the file as its path and is no longer modified. */
KM32_EXPORT int32_t KMsauveFigure(int16_t numero, const char* fichier);
/* Why the last KMsauveFigure failed: the system's error number (errno, as
 * ENOSPC for a full disk, EACCES for a read-only file or folder, ENOENT for
 * a missing folder, ENAMETOOLONG for a name over 255 bytes or one the file
 * system refuses, EFBIG for a file over the system's size limit: a host
 * sees it when it ignores SIGXFSZ, as km32 does, since the signal's default
 * ends the process), or
 * EMSGSIZE, which no file call gives, for a figure whose text is too long
 * for a figure file, EBADMSG (nor this) for a figure with a line or a
 * construction block the reader would refuse or whose text would not read
 * back; 0 after a save that succeeded. */
KM32_EXPORT int32_t KMErreurSauvegarde(void);
/* That reason as a sentence for the user, in the language applied
 * (Windows-1252), in a block; 0 after a save that succeeded. */
KM32_EXPORT uint32_t KMTexteErreurSauvegarde(void);
/* 1 when the figure exists and has changes that are not saved, else 0. */
KM32_EXPORT int32_t KMfigureModifiee(int16_t numero);
/* A host that shows whether a figure is modified installs a function told
 * each time that flag changes under an input of the figure (a drag, a turn
 * of the view, a key, a command of its menu, an undo or a redo, a change
 * made in one of its windows: a dialog applied, a text applied by the
 * editor, objects changed through a pick), once per change: the figure's
 * number and the flag, 1 or 0. A window closed or a dialog cancelled
 * without a change tells nothing. The WM_KEYUP notices tell of some changes
 * only. NULL stops it. */
typedef void (*KMAvisModification)(int16_t numero, int32_t modifiee);
KM32_EXPORT void KMInstalleAvisModification(KMAvisModification avis);

/* A property test: texte is a test sentence of the applied language (one of
 * the "Teste ..." / "Test: ..." sentences, for example "Teste point M sur
 * (AB)"), answered on figure numero. Results: 0 the property holds (in
 * general, or for the current values when the sentence speaks of values);
 * 50 not a test sentence, or an argument of the wrong kind (a message box);
 * 51 a named object does not exist; 52 false for the current values; 53 true
 * for the current values but not when the free objects move; 54 undecidable
 * (an undefined value); 55 an object of the second argument is not a direct
 * antecedent of the first; 56 not of the named kind or construction; 57 the
 * object does not vary; 61, 62 the first, second compared object is
 * undefined; 63 the interval of two sequences cannot be compared. The
 * figure is left as it was. 50 for a number with no figure. */
KM32_EXPORT int16_t KMTestParTexte(int16_t numero, const char* texte);

/* The figure text editor of figure numero: the figure's text to edit, load,
 * save, print and apply (the figure is rebuilt from it, or left as it was
 * when a line fails: that line is then selected). The comment window of
 * figure numero: its comment shown as mathematical text. One such window is
 * open at a time; nothing happens for a number with no figure. */
KM32_EXPORT void KMAfficheEditeurFigure(int16_t numero);
KM32_EXPORT void KMAfficheCommentaire(int16_t numero);
/* Whether an editor open on figure numero holds text that closing it would
 * lose: 1 the figure text editor (its text not applied, or its second text
 * not saved), 2 the comment editor (its comment not applied), 0 none. A host
 * asks before it ends or replaces the figure. */
KM32_EXPORT int32_t KMTexteNonApplique(int16_t numero);

/* ------------------------------------------------------------------------
 * Functions of the sibling plane-geometry library, exported unchanged.
 *
 * Figure numbers name the sibling's plane figures, 1..64; these hold the host
 * window, the file name, the parameters and the text they were given (their
 * lines are kept, not run), and the values of named numbers are the common
 * values of the shared-variable table. A number outside 1..64 or a free slot
 * does nothing and gives the default result (0, or 1.430175116073 for a
 * value); so does a NULL name or line. A NULL text counts as the empty text
 * where a text is drawn or measured. Memory blocks returned belong to the
 * caller (KMLibereBloc). Device contexts are handles of the platform layer.
 *
 * Math texts: "\" opens and closes a math zone; inside it "^" raises and "_"
 * lowers the next operand, ";s:" and ";f:" lists are not shown; "$r", "$v",
 * "$b" colour what follows red, green, blue and "$N" gives the colour back;
 * CR LF ends a line. Every character takes one cell of the current size;
 * positions in cells are multiplied by the cell (LargeurExpression of one
 * character, HauteurExpression of "").
 *
 * The sibling's state stands on its own: these functions do not start the
 * library (KMInitialise) and work before it is started or after KMTermine.
 * ------------------------------------------------------------------------ */

/* Destroys plane figure numero. */
KM32_EXPORT void TQDetruitFigure(int16_t numero);
/* Follows the host window's new size (nothing to do for a kept text). */
KM32_EXPORT void TQSize(int16_t numero, uint32_t inutilise);
/* Creates plane figure numero (1..64) in place of the one there, keeping its
 * host window. Its text: texte when not empty, else the file fichier, else
 * the default figure text of the shared table. */
KM32_EXPORT void TQCreeFig(int16_t numero, const char* fichier, const char* texte, const char* parametres);
/* Creates a plane figure in the first free slot for the window hote; its
 * number, 0 when all 64 are taken. */
KM32_EXPORT int16_t TQCreeFigEtRenvoieNumero(uint32_t hote, const char* fichier, const char* texte,
                                             const char* parametres);
/* A mouse button pressed in the figure's window: nothing to grab in a kept
 * text, so nothing happens. */
KM32_EXPORT void TQMouseDown(int16_t numero, int16_t bouton, int16_t code, float x, float y);
/* Paints the figure's text (math text, normal size) into the device context. */
KM32_EXPORT void TQRepeintFigure(int16_t numero, uint32_t contexte);
/* Phrase numero (above 10000) of the sibling in its applied language in a
 * block; 0 for an unknown phrase. */
KM32_EXPORT uint32_t TQHandleSurPhraseDeNumero(uint16_t numero);
/* The line of the figure's text that creates nom (its first word is nom), in
 * a block; 0 when none. */
KM32_EXPORT uint32_t TQHandleSurligneCreation(int16_t numero, const char* nom);
/* Asks the sibling's table-of-values window to close; there is none here. */
KM32_EXPORT void DemandeFermetureFenetreDuTableauDeValeurs(void);
/* The figure's file name in a block (empty when it has none). */
KM32_EXPORT uint32_t RenvoieHandleNomFichier(int16_t numero);
/* The whole text of a file (at most 65536 bytes) in a block; 0 when the file
 * is missing, unreadable or longer. */
KM32_EXPORT uint32_t LitFichierTexteEtRenvoieHandle(const char* fichier);
/* The names of the shared variables in use, each followed by CR LF, in a block. */
KM32_EXPORT uint32_t ListeDesVariables(void);
/* The arrow cursor again. */
KM32_EXPORT void CurseurTQ(void);
/* Draws the figure's text with its first cell at (x, y) pixels. */
KM32_EXPORT void TQDessineFigureEnTexte(int16_t numero, uint32_t contexte, int32_t x, int32_t y);
/* Save As: asks for a file name (extension added when the name has none) and
 * writes the text; 1 when written, 0 otherwise. */
KM32_EXPORT int32_t EnregistreTexteSous(const char* texte, const char* extension);
/* 0 when the math text is well formed, else the position (from 1) of its
 * first fault; -1 for NULL. */
KM32_EXPORT int32_t Syntax(const char* texte);
/* An alert with up to three buttons (NULL or empty ones left out): the number
 * of the button chosen, 1 to 3; 0 for a NULL text. */
KM32_EXPORT int16_t Alerte(const char* texte, const char* titre, const char* bouton1, const char* bouton2,
                           const char* bouton3);
/* The sibling's version, "1.0.0.0", in a block. */
KM32_EXPORT uint32_t TQ32NumeroVersion(void);
/* Measures of a math text at the current size, in pixels: the part below the
 * reference line (the top of the first line), the width, the part above it
 * (0 unless an exponent rises above the first line) and the whole height. */
KM32_EXPORT int32_t AudessousExpression(const char* texte);
KM32_EXPORT int32_t LargeurExpression(const char* texte);
KM32_EXPORT int32_t AudessusExpression(const char* texte);
KM32_EXPORT int32_t HauteurExpression(const char* texte);
/* Closes the math-text editor and the expression editor. */
KM32_EXPORT void TermineEditeurTexteMathematique(void);
KM32_EXPORT void TermineEditeurExpression(void);
/* Opens the math-text editor, or the expression editor, with a text for a window. */
KM32_EXPORT void AfficheEditeurTexteMathematique(uint32_t fenetre, const char* texte);
KM32_EXPORT void AfficheEditeurExpression(uint32_t fenetre, const char* texte);
/* Paints the math-text editor's text into a device context: for a document
 * at (0, 0) on a transparent background, or as the editor's window, on white
 * with a margin of 5 pixels. */
KM32_EXPORT void PeindreFenEcritMathDansWord(uint32_t contexte);
KM32_EXPORT void PeindreFenEcritMath(uint32_t contexte);
/* The lines of the figure's text that contain ligne (every line for an empty
 * one), in a block. */
KM32_EXPORT uint32_t TQfournitHandleSurTexte(int16_t numero, const char* ligne);
/* 1 when nom is a shared variable with a defined value, else 0. */
KM32_EXPORT int32_t TQObjetValide(int16_t numero, const char* nom);
/* The last name given a value by TQAffecteScalaire in a block (empty when
 * none). */
KM32_EXPORT uint32_t TQDernierLibreBouge(int16_t numero);
/* The active free object: a kept text has none, so 0. */
KM32_EXPORT uint32_t TQNomLibreActif(int16_t numero);
/* A property test: a kept text answers none, so 50 (not a test it knows). */
KM32_EXPORT int16_t TQTestParTexte(int16_t numero, const char* texte);
/* Records that the host asked for the reminders, the text editor or the
 * comment of the figure. */
KM32_EXPORT void TQAfficheRappels(int16_t numero);
KM32_EXPORT void TQAfficheEditeurFigure(int16_t numero);
KM32_EXPORT void TQAfficheCommentaire(int16_t numero);
/* Sets the shared variable nom to valeur (nothing for a name no one shares);
 * the result has no meaning (0). */
KM32_EXPORT int16_t TQAffecteScalaire(int16_t numero, const char* nom, double valeur);
/* Sets the figure's background colour (0x00BBGGRR); a colour above 0xFFFFFF
 * is refused. */
KM32_EXPORT void TQChangeCouleurFondFigure(int16_t numero, uint32_t couleur);
/* Measures of a math text at the current size: width, upper extent (0 or
 * negative) and lower extent from the reference point; NULL outputs are
 * skipped. */
KM32_EXPORT void ParamEncombr(const char* texte, int32_t* largeur, int32_t* dessus, int32_t* dessous);
/* Draws a math text at (x, y) character cells in the current size and colour. */
KM32_EXPORT void EcritExpr(uint32_t contexte, const char* texte, double x, double y);
/* The figure's text in a block. */
KM32_EXPORT uint32_t TQTexteFigure(int16_t numero);
/* Puts the drawing of the figure's text on the clipboard (the adjusted copy
 * keeps its parameter); 1 when done, 0 otherwise. */
KM32_EXPORT uint32_t TQCopierDessinAjuste(int16_t numero, int16_t parametre);
KM32_EXPORT uint32_t TQCopierDessin(int16_t numero);
/* The value of the shared variable nom; 1.430175116073 when no one shares it
 * or it is undefined. */
KM32_EXPORT double TQValeurScalaireDouble(int16_t numero, const char* nom);
/* A full redraw of the figure (counted). */
KM32_EXPORT void TQRedessineBrutal(int16_t numero);
/* Runs a key-bound command: a kept text has none, so nothing happens. */
KM32_EXPORT void TQExecuteCommande(int16_t numero, const char* nom);
/* The text replaces the figure's text. */
KM32_EXPORT void TQExecuterTexte(int16_t numero, const char* texte);
/* Each line of ligne is added to the figure's text (blank lines and lines
 * that would pass 65536 bytes are left out); the first also redraws. */
KM32_EXPORT void TQExecuteLigneFigEtRedessine(int16_t numero, const char* ligne);
KM32_EXPORT void TQExecuteLigneFig(int16_t numero, const char* ligne);

#ifdef __cplusplus
}
#endif

#endif
