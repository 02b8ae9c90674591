<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Alimentation</name>
    <message>
        <source>Équilibrée</source>
        <translation>Balanced</translation>
    </message>
    <message>
        <source>Séquence inverse</source>
        <translation>Negative sequence</translation>
    </message>
    <message>
        <source>Monophasée</source>
        <translation>Single-phase</translation>
    </message>
    <message>
        <source>Phase 3 coupée</source>
        <translation>Phase 3 open</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Les amplitudes et les déphasages ne valent qu&apos;avec l&apos;alimentation libre</source>
        <translation>The amplitudes and the lags apply only with the free supply</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un déphasage correct (%2 à %3)</source>
        <translation>&apos;%1&apos; is not a valid lag (%2 to %3)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une amplitude correcte (%2 à %3)</source>
        <translation>&apos;%1&apos; is not a valid amplitude (%2 to %3)</translation>
    </message>
    <message>
        <source>Amplitude %1</source>
        <translation>Amplitude %1</translation>
    </message>
    <message>
        <source>Retard %1</source>
        <translation>Lag %1</translation>
    </message>
    <message>
        <source> ou </source>
        <translation> or </translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une alimentation correcte (%2)</source>
        <translation>&apos;%1&apos; is not a valid supply (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une liste de trois amplitudes séparées par des virgules</source>
        <translation>&apos;%1&apos; is not a list of three amplitudes separated by commas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une liste de trois déphasages séparés par des virgules</source>
        <translation>&apos;%1&apos; is not a list of three lags separated by commas</translation>
    </message>
    <message>
        <source>Trois courants égaux décalés de 120° : un champ tournant d&apos;amplitude constante</source>
        <translation>Three equal currents 120° apart: a rotating field of constant amplitude</translation>
    </message>
    <message>
        <source>Phases 2 et 3 échangées : le champ tourne dans l&apos;autre sens</source>
        <translation>Phases 2 and 3 exchanged: the field turns the other way</translation>
    </message>
    <message>
        <source>La phase 1 seule : un champ pulsant, somme de deux champs tournants opposés</source>
        <translation>Phase 1 alone: a pulsating field, the sum of two opposite rotating fields</translation>
    </message>
    <message>
        <source>Étoile sans neutre, phase 3 ouverte : I1 = −I2, le champ pulse</source>
        <translation>Star without neutral, phase 3 open: I1 = −I2, the field pulsates</translation>
    </message>
    <message>
        <source>Amplitudes et déphasages choisis : un champ elliptique</source>
        <translation>Chosen amplitudes and lags: an elliptical field</translation>
    </message>
</context>
<context>
    <name>Cadre</name>
    <message>
        <source>Fresnel</source>
        <translation>Phasors</translation>
    </message>
    <message>
        <source>Vecteur spatial</source>
        <translation>Space vector</translation>
    </message>
</context>
<context>
    <name>ChampTournant</name>
    <message>
        <source>direct</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>backward</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur correcte pour %2 (0 ou 1)</source>
        <translation>&apos;%1&apos; is not a valid value for %2 (0 or 1)</translation>
    </message>
    <message>
        <source>L&apos;option %1 est donnée deux fois</source>
        <translation>The option %1 is given twice</translation>
    </message>
    <message>
        <source>L&apos;option %1 attend une valeur</source>
        <translation>The option %1 needs a value</translation>
    </message>
    <message>
        <source>L&apos;option --lien est donnée deux fois</source>
        <translation>The option --lien is given twice</translation>
    </message>
    <message>
        <source>Clé inconnue « %1 » dans le lien</source>
        <translation>Unknown key “%1” in the link</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une distribution correcte (parfaite, reelle ou double-etoile)</source>
        <translation>&apos;%1&apos; is not a valid distribution (parfaite, reelle or double-etoile)</translation>
    </message>
    <message>
        <source>un intervalle en millisecondes correct</source>
        <translation>a valid interval in milliseconds</translation>
    </message>
    <message>
        <source>--ticks et --t s&apos;excluent : donnez l&apos;un ou l&apos;autre</source>
        <translation>--ticks and --t exclude each other: give one or the other</translation>
    </message>
    <message>
        <source>un nombre de tops d&apos;horloge correct</source>
        <translation>a valid number of clock ticks</translation>
    </message>
    <message>
        <source>L&apos;option %1 (du lien) est donnée deux fois</source>
        <translation>The option %1 (in the link) is given twice</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un temps correct (0 à %2 s)</source>
        <translation>&apos;%1&apos; is not a valid time (0 to %2 s)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un genre de bobinage correct (%2)</source>
        <translation>&apos;%1&apos; is not a valid kind of winding (%2)</translation>
    </message>
    <message>
        <source>État du bobinage (règles et messages de la boîte « Options ») :
  --p N             nombre de paires de pôles (1 à 99 ; 0 ou moins est ignoré)
  --m N             nombre d&apos;encoches par pôle et par phase (-99 à 99, pas 0)
  --Y X             ouverture des bobines, en radians électriques (pas diamétral : pi)
  --distribution D  parfaite, reelle ou double-etoile (défaut : parfaite)
  Les nombres s&apos;écrivent avec un point décimal, quels que soient les réglages
  régionaux. Dès que --p, --m ou --Y est donné, l&apos;état est formé comme par la
  touche Entrée dans la boîte : les valeurs non données sont celles qu&apos;elle
  affiche (p = 1, m = 2, Y = 3.14159265358979).

Bobinage par encoches (règles et messages de la fenêtre « Bobinage ») :
  --encoches Q      nombre d&apos;encoches (3 à 720, multiple de 3)
  --couches C       1 ou 2 couches (défaut : 2)
  --pas N           ouverture des bobines en encoches, de 1 (bobines sur dent)
                    à Q/2 (défaut : 1)
  L&apos;une de ces options suffit à choisir le bobinage par encoches (défaut :
  12 encoches) ; il garde p, et se dispose par l&apos;étoile des encoches.
  --genre G         le genre de bobinage : %2 (défaut : classique)
  --perso CODE      un bobinage personnalisé, tel qu&apos;un lien l&apos;écrit : une
                    lettre par encoche et par couche (A, B, C aller ; a, b, c
                    retour ; _ vide ; les spires après la lettre si plus
                    d&apos;une), les couches séparées par un point

Alimentation (règles et messages de la fenêtre « Alimentation ») :
  --alimentation A  %1
                    (défaut : equilibree ; la fenêtre « Alimentation » les décrit)
  --amplitudes A1,A2,A3
                    alimentation libre : amplitudes des trois courants, en
                    unités de Imax (0 à 2 ; défaut : 1,1,1)
  --dephasages D1,D2,D3
                    alimentation libre : retards des trois courants, en degrés
                    (défaut : 0,120,240) ; --amplitudes ou --dephasages
                    suffit à choisir l&apos;alimentation libre ; les listes
                    s&apos;écrivent toujours avec un point décimal

Moteur monophasé (règles et messages de la fenêtre « Moteur monophasé ») :
  --machine M       triphasee ou monophasee (défaut : triphasee) ; le moteur
                    monophasé a un enroulement principal et un auxiliaire à 90°
                    électriques, alimenté par un condensateur ; chacune des
                    options qui suivent suffit à le choisir
  --demarrage D     %3 (défaut : quadrature)
  --condensateur C  démarrage libre : la capacité en µF, aucun ou ouvert
                    (défaut : 211.4)
  --rapport A       démarrage libre : le rapport des spires effectives a
                    (0.1 à 10 ; défaut : 2.568)
  --impedances RM,XM,RA,XA
                    les impédances à l&apos;arrêt en ohms (défaut : 4.5,3.7,9.5,3.5,
                    un moteur d&apos;exemple)

Instant :
  --ticks N         N tops d&apos;horloge depuis t = 0, t avancé top par top comme
                    l&apos;horloge de la fenêtre (0 à 10000000 ; défaut : 0)
  --t X             le temps t en secondes (0 à 2000)

Vues :
  --sans-vecteurs   sans les vecteurs du champ
  --sans-onde       sans les ondes polaires
  --sans-bobinage   sans les conducteurs ni les axes des bobines

Horloge :
  --intervalle MS   l&apos;intervalle de l&apos;horloge en millisecondes, la barre de
                    vitesse (10 à 200 ; défaut : 60) ; dans un GIF, la durée
                    de chaque image
  --marche          l&apos;horloge lancée, comme par « Play »

Lien :
  --lien LIEN       la configuration d&apos;un lien de la page (l&apos;adresse entière ou
                    ce qui suit « # », par exemple « p=2&amp;m=3&amp;distribution=reelle »)
  Chaque option ne se donne qu&apos;une fois, lien compris.
</source>
        <translation>State of the winding (rules and messages of the &quot;Options&quot; dialog):
  --p N             number of pole pairs (1 to 99; 0 or less is ignored)
  --m N             number of slots per pole and per phase (-99 to 99, not 0)
  --Y X             coil span, in electrical radians (full pitch: pi)
  --distribution D  parfaite, reelle or double-etoile (perfect, real or double
                    star; default: parfaite)
  Numbers are written with a decimal point, whatever the regional settings.
  As soon as --p, --m or --Y is given, the state is formed as by the Enter key
  in the dialog: the values not given are those it shows (p = 1, m = 2,
  Y = 3.14159265358979).

Slot winding (rules and messages of the &quot;Bobinage&quot; window):
  --encoches Q      number of slots (3 to 720, a multiple of 3)
  --couches C       1 or 2 layers (default: 2)
  --pas N           coil span in slots, from 1 (coils around a tooth) to Q/2
                    (default: 1)
  Any of these options chooses the slot winding (default: 12 slots); it keeps
  p, and is laid out by the star of slots.
  --genre G         the kind of winding: %2 (default: classique)
  --perso CODE      a custom winding, as a link writes it: one letter per slot
                    and per layer (A, B, C go; a, b, c return; _ empty; the
                    turns after the letter when more than one), the layers
                    separated by a full stop

Supply (rules and messages of the &quot;Alimentation&quot; window):
  --alimentation A  %1
                    (default: equilibree; the “Alimentation” window describes them)
  --amplitudes A1,A2,A3
                    free supply: amplitudes of the three currents, in units of
                    Imax (0 to 2; default: 1,1,1)
  --dephasages D1,D2,D3
                    free supply: lags of the three currents, in degrees
                    (default: 0,120,240); --amplitudes or --dephasages is
                    enough to choose the free supply; the lists are always
                    written with a decimal point

Single-phase motor (rules and messages of the &quot;Moteur monophasé&quot; window):
  --machine M       triphasee or monophasee (three-phase or single-phase;
                    default: triphasee); the single-phase motor has a main and
                    an auxiliary winding 90 electrical degrees apart, the
                    auxiliary fed through a capacitor; any of the options
                    below chooses it
  --demarrage D     %3 (the start; default: quadrature)
  --condensateur C  free start: the capacitance in µF, aucun (none) or ouvert
                    (open) (default: 211.4)
  --rapport A       free start: the effective turns ratio a (0.1 to 10;
                    default: 2.568)
  --impedances RM,XM,RA,XA
                    the standstill impedances in ohms (default: 4.5,3.7,9.5,3.5,
                    an example motor)

Instant:
  --ticks N         N clock ticks from t = 0, t advanced tick by tick as the
                    window&apos;s clock does (0 to 10000000; default: 0)
  --t X             the time t in seconds (0 to 2000)

Views:
  --sans-vecteurs   without the field&apos;s vectors
  --sans-onde       without the polar waves
  --sans-bobinage   without the conductors and the coils&apos; axes

Clock:
  --intervalle MS   the clock&apos;s interval in milliseconds, the speed bar (10 to
                    200; default: 60); in a GIF, the duration of each frame
  --marche          the clock started, as by &quot;Play&quot;

Link:
  --lien LINK       the configuration of a link of the page (the whole address
                    or what follows &quot;#&quot;, for example &quot;p=2&amp;m=3&amp;distribution=reelle&quot;)
  Each option is given only once, the link included.
</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante correcte</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Débordement en virgule flottante</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas %2 (%3 à %4)</source>
        <translation>&apos;%1&apos; is not %2 (%3 to %4)</translation>
    </message>
</context>
<context>
    <name>Copier</name>
    <message>
        <source>Impossible d&apos;ouvrir le Presse-papiers</source>
        <translation>Cannot open the clipboard</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Alimentation : %1</source>
        <translation>Supply: %1</translation>
    </message>
    <message>
        <source>Alimentation : %1, amplitudes %2 ; %3 ; %4 × Imax, retards %5 ; %6 ; %7°</source>
        <translation>Supply: %1, amplitudes %2; %3; %4 × Imax, lags %5; %6; %7°</translation>
    </message>
    <message>
        <source>Champ résultant : nul</source>
        <translation>Resultant field: none</translation>
    </message>
    <message>
        <source>%1° électriques</source>
        <translation>%1° electrical</translation>
    </message>
    <message>
        <source>Champ résultant : %1 × celui d&apos;une phase, pulse sans tourner, à %2</source>
        <translation>Resultant field: %1 × that of one phase, pulsating without turning, at %2</translation>
    </message>
    <message>
        <source>Champ résultant : %1 × celui d&apos;une phase, tourne dans le sens direct, à %2</source>
        <translation>Resultant field: %1 × that of one phase, turning forward, at %2</translation>
    </message>
    <message>
        <source>Champ résultant : %1 × celui d&apos;une phase, tourne dans le sens inverse, à %2</source>
        <translation>Resultant field: %1 × that of one phase, turning backward, at %2</translation>
    </message>
    <message>
        <source>Bobinage : %1</source>
        <translation>Winding: %1</translation>
    </message>
    <message>
        <source>Moteur monophasé : %1, C = %2, a = %3</source>
        <translation>Single-phase motor: %1, C = %2, a = %3</translation>
    </message>
</context>
<context>
    <name>Encoches</name>
    <message>
        <source>Classique</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Par encoches</source>
        <translation>In slots</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un nombre d&apos;encoches correct (3 à %2)</source>
        <translation>&apos;%1&apos; is not a valid number of slots (3 to %2)</translation>
    </message>
    <message>
        <source>%1 encoches ne forment pas de bobinage triphasé : le nombre d&apos;encoches doit être un multiple de 3</source>
        <translation>%1 slots make no three-phase winding: the number of slots must be a multiple of 3</translation>
    </message>
    <message>
        <source>%1 encoches et %2 paires de pôles ne forment pas de bobinage triphasé équilibré : Q / (3·pgcd(Q, p)) doit être entier</source>
        <translation>%1 slots and %2 pole pairs make no balanced three-phase winding: Q / (3·gcd(Q, p)) must be whole</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un nombre de couches correct (1 ou 2)</source>
        <translation>&apos;%1&apos; is not a valid number of layers (1 or 2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un pas de bobine correct (1 à %2 encoches)</source>
        <translation>&apos;%1&apos; is not a valid coil span (1 to %2 slots)</translation>
    </message>
    <message>
        <source>Avec une couche, des bobines de %1 encoches ne ferment pas le bobinage de %2 encoches : chaque encoche doit recevoir un seul côté de bobine</source>
        <translation>With one layer, coils of %1 slots do not close the winding of %2 slots: each slot must hold one coil side</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches annulent l&apos;onde de travail de ce bobinage : choisissez un autre pas</source>
        <translation>Coils of %1 slots cancel this winding&apos;s working wave: choose another span</translation>
    </message>
    <message>
        <source>Avec une couche, des bobines de %1 encoches ne donnent pas trois phases équilibrées : choisissez un autre pas</source>
        <translation>With one layer, coils of %1 slots do not give three balanced phases: choose another span</translation>
    </message>
    <message>
        <source>%1 encoches, p = %2, %3 couche(s), pas de %4 encoche(s)</source>
        <translation>%1 slots, p = %2, %3 layer(s), span of %4 slot(s)</translation>
    </message>
    <message>
        <source>p, m, Y et la distribution de la boîte « Dimensions »</source>
        <translation>p, m, Y and the distribution of the &quot;Dimensions&quot; box</translation>
    </message>
    <message>
        <source>Q encoches, une ou deux couches, disposées par l&apos;étoile des encoches</source>
        <translation>Q slots, one or two layers, laid out by the star of slots</translation>
    </message>
    <message>
        <source>Personnalisé</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Chaque case du tableau des encoches choisie à la main, au départ une copie du bobinage par encoches</source>
        <translation>Each cell of the slot table chosen by hand, starting as a copy of the slot winding</translation>
    </message>
    <message>
        <source>%1 encoches et %2 paires de pôles ne forment pas les deux enroulements du moteur monophasé : Q / pgcd(Q, p) doit être un multiple de 4</source>
        <translation>%1 slots and %2 pole pairs do not make the single-phase motor&apos;s two windings: Q / gcd(Q, p) must be a multiple of 4</translation>
    </message>
    <message>
        <source>Un bobinage à une couche demande un nombre d&apos;encoches multiple de %2 (%1 encoches)</source>
        <translation>A one-layer winding needs a number of slots that is a multiple of %2 (%1 slots)</translation>
    </message>
    <message>
        <source>Des bobines de %1 encoches ne donnent pas deux enroulements égaux à 90° : choisissez un autre pas</source>
        <translation>Coils of %1 slots do not give two equal windings 90° apart: choose another span</translation>
    </message>
</context>
<context>
    <name>Erreur</name>
    <message>
        <source>Ressources système insuffisantes</source>
        <translation>Not enough system resources</translation>
    </message>
</context>
<context>
    <name>Etoile</name>
    <message>
        <source>Étoile des encoches : %1</source>
        <translation>Star of slots: %1</translation>
    </message>
    <message>
        <source>q = Q/(%3p) = %1, périodicité pgcd(Q, p) = %2</source>
        <translation>q = Q/(%3p) = %1, periodicity gcd(Q, p) = %2</translation>
    </message>
</context>
<context>
    <name>Gif</name>
    <message>
        <source>Couleur absente de la palette de l&apos;animation</source>
        <translation>Colour missing from the animation&apos;s palette</translation>
    </message>
    <message>
        <source>Plus de 256 couleurs : l&apos;image ne tient pas dans une palette GIF</source>
        <translation>More than 256 colours: the picture does not fit in a GIF palette</translation>
    </message>
    <message>
        <source>Animation GIF déjà terminée</source>
        <translation>GIF animation already finished</translation>
    </message>
</context>
<context>
    <name>Harmoniques</name>
    <message>
        <source>p = %1, m = %2, %3 encoches, Y = %4° électriques, %5</source>
        <translation>p = %1, m = %2, %3 slots, Y = %4 electrical degrees, %5</translation>
    </message>
    <message>
        <source>rangs %1 à %2</source>
        <translation>orders %1 to %2</translation>
    </message>
    <message>
        <source>alimentation déséquilibrée : la crête de chaque rang pulse avec le temps, A(h)/A(1) et la distorsion ne sont pas donnés ; les parties directe et inverse, fixes, le sont</source>
        <translation>unbalanced supply: the crest of every order pulsates with time, so A(h)/A(1) and the distortion are not given; the forward and backward parts, which are constant, are</translation>
    </message>
</context>
<context>
    <name>Lancement</name>
    <message>
        <source>kest : impossible d&apos;ouvrir l&apos;écran (la variable DISPLAY est vide)</source>
        <translation>kest: cannot open the display (the DISPLAY variable is empty)</translation>
    </message>
    <message>
        <source>kest : impossible d&apos;ouvrir l&apos;écran « %1 »</source>
        <translation>kest: cannot open the display “%1”</translation>
    </message>
    <message>
        <source>kest : %1.</source>
        <translation>kest: %1.</translation>
    </message>
    <message>
        <source>Option inconnue « %1 » (voir kest --help)</source>
        <translation>Unknown option “%1” (see kest --help)</translation>
    </message>
    <message>
        <source>Argument inattendu « %1 » (voir kest --help)</source>
        <translation>Unexpected argument “%1” (see kest --help)</translation>
    </message>
    <message>
        <source>Usage : kest [OPTIONS]

Ouvre la fenêtre de kest (force magnétomotrice d&apos;un bobinage triphasé) dans la
configuration donnée : les options de kest-export, ou un lien de la page
(--lien) pour ouvrir ce que la page montre à cette adresse.

</source>
        <translation>Usage: kest [OPTIONS]

Opens the window of kest (magnetomotive force of a three-phase winding) in the
given configuration: the options of kest-export, or a link of the page
(--lien) to open what the page shows at that address.

</translation>
    </message>
    <message>
        <source>
  --langue L        langue des textes : %1 (défaut : celle des réglages
                    régionaux, LANGUAGE, LC_ALL, LC_MESSAGES ou LANG ; le
                    français pour toute autre langue)
  --help            affiche cette aide

Code de retour : 0 ; 2 pour une option ou une valeur refusée, avant que la
fenêtre s&apos;ouvre ; 1 sans écran.

Exemples :
  kest --p 2 --m 3 --distribution reelle --sans-onde
  kest --lien &apos;https://…/kest/#p=2&amp;m=3&amp;distribution=reelle&apos;
</source>
        <translation>
  --langue L        language of the texts: %1 (default: the one of the
                    regional settings, LANGUAGE, LC_ALL, LC_MESSAGES or LANG;
                    French for any other language)
  --help            shows this help

Exit status: 0; 2 for a refused option or value, before the window opens; 1
without a display.

Examples:
  kest --p 2 --m 3 --distribution reelle --sans-onde
  kest --lien &apos;https://…/kest/#p=2&amp;m=3&amp;distribution=reelle&apos;
</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>L&apos;option --langue est donnée deux fois</source>
        <translation>The option --langue is given twice</translation>
    </message>
    <message>
        <source>L&apos;option --langue attend une valeur (%1)</source>
        <translation>The option --langue needs a value (%1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une langue correcte (%2)</source>
        <translation>&apos;%1&apos; is not a valid language (%2)</translation>
    </message>
</context>
<context>
    <name>Moteur</name>
    <message>
        <source>Moteur monophasé, %1</source>
        <translation>Single-phase motor, %1</translation>
    </message>
    <message>
        <source>Monophasé à condensateur</source>
        <translation>Single-phase, capacitor</translation>
    </message>
    <message>
        <source>Triphasé</source>
        <translation>Three-phase</translation>
    </message>
    <message>
        <source>ouvert</source>
        <translation>open</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une capacité correcte (µF au-dessus de 0 et jusqu&apos;à %2, « aucun » ou « ouvert »)</source>
        <translation>&apos;%1&apos; is not a valid capacitance (µF above 0 and up to %2, &quot;none&quot; or &quot;open&quot;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une résistance correcte (%2 à %3 Ω)</source>
        <translation>&apos;%1&apos; is not a valid resistance (%2 to %3 Ω)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une réactance correcte (%2 à %3 Ω)</source>
        <translation>&apos;%1&apos; is not a valid reactance (%2 to %3 Ω)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un rapport correct (%2 à %3)</source>
        <translation>&apos;%1&apos; is not a valid ratio (%2 to %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une machine correcte (triphasee ou monophasee)</source>
        <translation>&apos;%1&apos; is not a valid machine (triphasee or monophasee)</translation>
    </message>
    <message>
        <source>Le démarrage, le condensateur, le rapport et les impédances ne valent qu&apos;avec la machine monophasee</source>
        <translation>The start, the capacitor, the ratio and the impedances apply only to the monophasee machine</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un démarrage correct (%2)</source>
        <translation>&apos;%1&apos; is not a valid start (%2)</translation>
    </message>
    <message>
        <source>Le condensateur et le rapport ne valent qu&apos;avec le démarrage libre</source>
        <translation>The capacitor and the ratio apply only to the libre (free) start</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une liste de quatre impédances RM,XM,RA,XA en ohms</source>
        <translation>&apos;%1&apos; is not a list of four impedances RM,XM,RA,XA in ohms</translation>
    </message>
    <message>
        <source>Condensateur de quadrature : %1 µF</source>
        <translation>Quadrature capacitor: %1 µF</translation>
    </message>
    <message>
        <source>Rapport pour un champ circulaire : a = %1</source>
        <translation>Ratio for a circular field: a = %1</translation>
    </message>
    <message>
        <source>I_m = %1 A à %2°, I_a = %3 A à %4°, C = %5, a = %6</source>
        <translation>I_m = %1 A at %2°, I_a = %3 A at %4°, C = %5, a = %6</translation>
    </message>
    <message>
        <source>Inverse / direct : %1</source>
        <translation>Backward / forward: %1</translation>
    </message>
    <message>
        <source>Condensateur (quadrature)</source>
        <translation>Capacitor (quadrature)</translation>
    </message>
    <message>
        <source>Le condensateur qui met I_a 90° en avance sur I_m, et le rapport a qui rend le champ circulaire</source>
        <translation>The capacitor that puts I_a 90° ahead of I_m, and the ratio a that makes the field circular</translation>
    </message>
    <message>
        <source>Phase auxiliaire résistive</source>
        <translation>Resistive auxiliary phase</translation>
    </message>
    <message>
        <source>Sans condensateur, a = 1 : la résistance de l&apos;auxiliaire décale un peu son courant, le champ est elliptique</source>
        <translation>No capacitor, a = 1: the auxiliary&apos;s resistance shifts its current a little, the field is elliptical</translation>
    </message>
    <message>
        <source>Auxiliaire ouverte</source>
        <translation>Auxiliary open</translation>
    </message>
    <message>
        <source>Le principal seul, comme après le coupleur centrifuge : un champ pulsant, deux ondes égales</source>
        <translation>The main winding alone, as after the centrifugal switch: a pulsating field, two equal waves</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>La capacité, le rapport a et les impédances choisis</source>
        <translation>The capacitance, the ratio a and the impedances chosen</translation>
    </message>
    <message>
        <source>Le moteur monophasé ne prend pas de bobinage personnalisé : ses cellules sont les trois phases A, B, C</source>
        <translation>The single-phase motor takes no custom winding: its cells are the three phases A, B, C</translation>
    </message>
</context>
<context>
    <name>Personnalise</name>
    <message>
        <source>Conducteurs par phase : %1</source>
        <translation>Conductors per phase: %1</translation>
    </message>
    <message>
        <source>La phase %1 diffère : %2 conducteurs au lieu de %3</source>
        <translation>Phase %1 differs: %2 conductors instead of %3</translation>
    </message>
    <message>
        <source>La phase %1 ne se referme pas : %2 conducteurs d&apos;aller, %3 de retour ; sa force magnétomotrice a une moyenne, que l&apos;image retire</source>
        <translation>Phase %1 does not close: %2 go conductors, %3 return ones; its magnetomotive force has a mean, which the picture removes</translation>
    </message>
    <message>
        <source>Onde de travail : ordre %1 (p)</source>
        <translation>Working wave: order %1 (p)</translation>
    </message>
    <message>
        <source>Pas d&apos;onde de travail à l&apos;ordre p = %1</source>
        <translation>No working wave at order p = %1</translation>
    </message>
    <message>
        <source>Aucune sous-harmonique</source>
        <translation>No sub-harmonic</translation>
    </message>
    <message>
        <source>Sous-harmoniques : ordres %1</source>
        <translation>Sub-harmonics: orders %1</translation>
    </message>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>trop de lignes : au plus %1, l&apos;en-tête et deux couches de %2 encoches</source>
        <translation>too many lines: at most %1, the header and two layers of %2 slots</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier de bobinage (ligne trop longue, octet nul ou texte qui n&apos;est pas en UTF-8)</source>
        <translation>this is not a winding file (line too long, nul byte or text that is not UTF-8)</translation>
    </message>
    <message>
        <source>l&apos;en-tête doit être « encoche,couche,phase,spires »</source>
        <translation>the header must be &quot;encoche,couche,phase,spires&quot;</translation>
    </message>
    <message>
        <source>%1 champ(s) au lieu de 4 (encoche, couche, phase, spires)</source>
        <translation>%1 field(s) instead of 4 (slot, layer, phase, turns)</translation>
    </message>
    <message>
        <source>un numéro d&apos;encoche correct</source>
        <translation>a valid slot number</translation>
    </message>
    <message>
        <source>une couche correcte</source>
        <translation>a valid layer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une phase correcte (A, B, C ou vide)</source>
        <translation>&apos;%1&apos; is not a valid phase (A, B, C or empty)</translation>
    </message>
    <message>
        <source>un nombre de spires correct</source>
        <translation>a valid number of turns</translation>
    </message>
    <message>
        <source>une phase demande des spires (+ aller, − retour), une case vide 0 spire</source>
        <translation>a phase needs turns (+ go, − return), an empty cell 0 turns</translation>
    </message>
    <message>
        <source>l&apos;encoche %1, couche %2 est déjà donnée ligne %3</source>
        <translation>slot %1, layer %2 is already given on line %3</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>aucune encoche</source>
        <translation>no slot</translation>
    </message>
    <message>
        <source>il manque l&apos;encoche %1, couche %2 : chaque encoche de 1 à %3 a une ligne par couche</source>
        <translation>slot %1, layer %2 is missing: each slot from 1 to %3 has one line per layer</translation>
    </message>
    <message>
        <source>Le bobinage personnalisé du lien est incorrect : %1</source>
        <translation>The link&apos;s custom winding is not valid: %1</translation>
    </message>
    <message>
        <source>plus de deux couches</source>
        <translation>more than two layers</translation>
    </message>
    <message>
        <source>%1 spires en position %2, au plus %3</source>
        <translation>%1 turns at position %2, at most %3</translation>
    </message>
    <message>
        <source>caractère « %1 » inattendu en position %2 (A, B, C, a, b, c, _, des spires après une lettre, . entre les couches)</source>
        <translation>unexpected character &quot;%1&quot; at position %2 (A, B, C, a, b, c, _, turns after a letter, . between the layers)</translation>
    </message>
    <message>
        <source>plus de %1 encoches</source>
        <translation>more than %1 slots</translation>
    </message>
    <message>
        <source>les deux couches n&apos;ont pas le même nombre d&apos;encoches (%1 et %2)</source>
        <translation>the two layers do not have the same number of slots (%1 and %2)</translation>
    </message>
    <message>
        <source>Personnalisé, %1 encoches, p = %2, %3 couche(s)</source>
        <translation>Custom, %1 slots, p = %2, %3 layer(s)</translation>
    </message>
</context>
<context>
    <name>Regles</name>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un nombre de paires de pôles correct (1 à %2)</source>
        <translation>&apos;%1&apos; is not a valid number of pole pairs (1 to %2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un nombre d&apos;encoches par pôle et par phase correct (-%2 à %2)</source>
        <translation>&apos;%1&apos; is not a valid number of slots per pole and per phase (-%2 to %2)</translation>
    </message>
    <message>
        <source>Division par zéro en virgule flottante</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Réelle</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Double étoile</source>
        <translation>Double star</translation>
    </message>
    <message>
        <source>Parfaite</source>
        <translation>Perfect</translation>
    </message>
</context>
<context>
    <name>kest-export</name>
    <message>
        <source>L&apos;option %1 est donnée deux fois</source>
        <translation>The option %1 is given twice</translation>
    </message>
    <message>
        <source>L&apos;option %1 attend une valeur</source>
        <translation>The option %1 needs a value</translation>
    </message>
    <message>
        <source>Option inconnue « %1 » (voir kest-export --help)</source>
        <translation>Unknown option “%1” (see kest-export --help)</translation>
    </message>
    <message>
        <source>Argument inattendu « %1 » (voir kest-export --help)</source>
        <translation>Unexpected argument “%1” (see kest-export --help)</translation>
    </message>
    <message>
        <source>%1 ne vaut pas avec --spectre</source>
        <translation>%1 does not apply with --spectre</translation>
    </message>
    <message>
        <source>Indiquez le fichier à écrire avec --sortie</source>
        <translation>Give the file to write with --sortie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un format de spectre correct (texte ou json)</source>
        <translation>&apos;%1&apos; is not a valid spectrum format (texte or json)</translation>
    </message>
    <message>
        <source>Indiquez le fichier à écrire avec --sortie (- pour la sortie standard)</source>
        <translation>Give the file to write with --sortie (- for the standard output)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un format correct (emf, svg, png ou gif)</source>
        <translation>&apos;%1&apos; is not a valid format (emf, svg, png or gif)</translation>
    </message>
    <message>
        <source>Format inconnu pour « %1 » : donnez --format emf, svg, png ou gif</source>
        <translation>Unknown format for “%1”: give --format emf, svg, png or gif</translation>
    </message>
    <message>
        <source>--echelle et --fond ne valent que pour les formats png et gif</source>
        <translation>--echelle and --fond apply only to the png and gif formats</translation>
    </message>
    <message>
        <source>une échelle correcte</source>
        <translation>a valid scale</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un fond correct (blanc, fenetre ou transparent)</source>
        <translation>&apos;%1&apos; is not a valid background (blanc, fenetre or transparent)</translation>
    </message>
    <message>
        <source>un nombre d&apos;images correct</source>
        <translation>a valid number of frames</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la sortie standard : %1</source>
        <translation>Cannot write the standard output: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire « %1 » : %2</source>
        <translation>Cannot write “%1”: %2</translation>
    </message>
    <message>
        <source>kest-export : %1.</source>
        <translation>kest-export: %1.</translation>
    </message>
    <message>
        <source>Usage : kest-export [OPTIONS] --sortie FICHIER

Dessine une image de kest (force magnétomotrice d&apos;un bobinage triphasé) à partir
de ses paramètres, sans écran : figure vectorielle (EMF, SVG), image (PNG) ou
animation (GIF) pour un cours, des diapositives ou une page web. Un lien de la
page (--lien) donne l&apos;image que la page montre à cette adresse.

</source>
        <translation>Usage: kest-export [OPTIONS] --sortie FILE

Draws a picture of kest (magnetomotive force of a three-phase winding) from its
parameters, without a display: vector figure (EMF, SVG), image (PNG) or
animation (GIF) for a course, slides or a web page. A link of the page
(--lien) gives the picture that the page shows at that address.

</translation>
    </message>
    <message>
        <source>Les images d&apos;une animation (--images) ne valent que pour le format gif</source>
        <translation>The frames of an animation (--images) apply only to the gif format</translation>
    </message>
    <message>
        <source>--spectre et --etoile s&apos;excluent : donnez l&apos;un ou l&apos;autre</source>
        <translation>--spectre and --etoile exclude each other: give one or the other</translation>
    </message>
    <message>
        <source>--etoile demande un bobinage par encoches (--encoches, --couches ou --pas)</source>
        <translation>--etoile needs a slot winding (--encoches, --couches or --pas)</translation>
    </message>
    <message>
        <source>L&apos;étoile des encoches s&apos;écrit en emf, svg ou png</source>
        <translation>The star of slots is written as emf, svg or png</translation>
    </message>
    <message>
        <source>
Image :
  --sortie FICHIER  le fichier à écrire ; - pour la sortie standard
  --format F        emf, svg, png ou gif (défaut : l&apos;extension du fichier)
  --echelle K       PNG et GIF : K pixels par pixel, traits et texte compris
                    (1 à 8 ; 2 donne 1400 × 1000 ; défaut : 1)
  --fond F          PNG et GIF : blanc, fenetre (le gris F0F0F0 de la fenêtre)
                    ou transparent (défaut : blanc) ; EMF et SVG sont toujours
                    transparents, comme une copie

Animation (GIF) :
  --images N        nombre d&apos;images, un top d&apos;horloge d&apos;écart (1 à 1000 ;
                    défaut : 100, une période) ; chaque image dure l&apos;intervalle
                    de l&apos;horloge (--intervalle) ; l&apos;animation boucle sans fin

Spectre :
  --spectre         écrit, au lieu d&apos;une image, le tableau des harmoniques de la
                    force magnétomotrice résultante (ordres 1 à 25 : facteurs de
                    bobinage, amplitude relative, sens et vitesse), en texte
                    séparé par des tabulations avec une ligne d&apos;en-tête, ou en
                    JSON avec --format json ; --sortie est alors facultative
                    (défaut : la sortie standard) ; pour un bobinage par
                    encoches, les ordres mécaniques 1 à max(25, 5p) (l&apos;ordre p
                    est l&apos;onde de travail, les ordres inférieurs des
                    sous-harmoniques), avec « ordres_mecaniques »: true en JSON

Bobinage personnalisé :
  --bobinage FICHIER
                    le bobinage personnalisé d&apos;un fichier CSV : la ligne
                    « encoche,couche,phase,spires », puis une ligne par
                    encoche (1 à Q) et par couche (1 ou 2), la phase A, B, C
                    ou vide et les spires signées (+ aller, - retour, 0 pour
                    une case vide) ; p est celui de --p ; un fichier refusé
                    est signalé avec sa ligne, et rien n&apos;est écrit

Étoile des encoches :
  --etoile          dessine, au lieu de l&apos;image, l&apos;étoile des encoches du
                    bobinage par encoches (emf, svg ou png)

  --langue L        langue des textes : %1 (défaut : celle des réglages
                    régionaux, LANGUAGE, LC_ALL, LC_MESSAGES ou LANG ; le
                    français pour toute autre langue)
  --help            affiche cette aide

Chaque option se donne une seule fois : une option répétée est refusée.

L&apos;image fait 700 × 500 pixels, la taille de la fenêtre à l&apos;ouverture ; le
cadre de l&apos;EMF suppose un écran de référence de 96 pixels par pouce
(700 pixels = 185,2 mm).

Code de retour : 0 en cas de succès ; 2 pour une option ou une valeur refusée
(rien n&apos;est écrit) ; 1 si le fichier ne peut pas être écrit.

Exemples :
  kest-export --p 2 --m 3 --distribution reelle --ticks 25 --sortie figure.svg
  kest-export --p 2 --m 3 --echelle 2 --sortie diapo.png
  kest-export --p 2 --m 3 --distribution reelle --sortie periode.gif
  kest-export --lien &apos;https://…/kest/#p=2&amp;m=3&amp;distribution=reelle&apos; --sortie figure.svg
  kest-export --p 5 --bobinage douze-dix.csv --spectre
</source>
        <translation>
Picture:
  --sortie FILE     the file to write; - for the standard output
  --format F        emf, svg, png or gif (default: the file&apos;s extension)
  --echelle K       PNG and GIF: K pixels per pixel, lines and text included
                    (1 to 8; 2 gives 1400 × 1000; default: 1)
  --fond F          PNG and GIF: blanc (white), fenetre (the window&apos;s grey
                    F0F0F0) or transparent (default: blanc); EMF and SVG are
                    always transparent, as a copy is

Animation (GIF):
  --images N        number of frames, one clock tick apart (1 to 1000;
                    default: 100, one period); each frame lasts the clock&apos;s
                    interval (--intervalle); the animation loops forever

Spectrum:
  --spectre         writes, instead of a picture, the table of the harmonics of
                    the resultant magnetomotive force (orders 1 to 25: winding
                    factors, relative amplitude, direction and speed), as text
                    separated by tabs with a header line, or as JSON with
                    --format json; --sortie is then optional (default: the
                    standard output); for a slot winding, the mechanical
                    orders 1 to max(25, 5p) (order p is the working wave, the
                    lower orders sub-harmonics), with &quot;ordres_mecaniques&quot;: true
                    in JSON

Custom winding:
  --bobinage FILE
                    the custom winding of a CSV file: the line
                    &quot;encoche,couche,phase,spires&quot;, then one line per slot
                    (1 to Q) and per layer (1 or 2), the phase A, B, C or
                    empty and the signed turns (+ go, - return, 0 for an
                    empty cell); p is --p&apos;s; a refused file is reported with
                    its line, and nothing is written

Star of slots:
  --etoile          draws, instead of the picture, the star of slots of the
                    slot winding (emf, svg or png)

  --langue L        language of the texts: %1 (default: the one of the
                    regional settings, LANGUAGE, LC_ALL, LC_MESSAGES or LANG;
                    French for any other language)
  --help            shows this help

Each option is given once: a repeated option is refused.

The picture is 700 × 500 pixels, the window&apos;s size when it opens; the EMF&apos;s
frame assumes a reference screen of 96 pixels per inch (700 pixels =
185.2 mm).

Exit status: 0 on success; 2 for a refused option or value (nothing is
written); 1 if the file cannot be written.

Examples:
  kest-export --p 2 --m 3 --distribution reelle --ticks 25 --sortie figure.svg
  kest-export --p 2 --m 3 --echelle 2 --sortie diapo.png
  kest-export --p 2 --m 3 --distribution reelle --sortie periode.gif
  kest-export --lien &apos;https://…/kest/#p=2&amp;m=3&amp;distribution=reelle&apos; --sortie figure.svg
  kest-export --p 5 --bobinage douze-dix.csv --spectre
</translation>
    </message>
    <message>
        <source>Le fichier « %1 » ne peut pas être lu</source>
        <translation>The file &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>Bobinage « %1 » : %2</source>
        <translation>Winding &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>kest::TAboutDlg</name>
    <message>
        <source>A propos de kest</source>
        <translation>About kest</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Force magnétomotrice</source>
        <translation>Magnetomotive force</translation>
    </message>
    <message>
        <source>d&apos;un stator triphasé</source>
        <translation>of a three-phase stator</translation>
    </message>
    <message>
        <source>et champ tournant</source>
        <translation>and rotating field</translation>
    </message>
    <message>
        <source>Machines électriques</source>
        <translation>Electrical machines</translation>
    </message>
</context>
<context>
    <name>kest::TAlimentationDlg</name>
    <message>
        <source>Alimentation</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>Libre (Entrée applique)</source>
        <translation>Free (Enter applies)</translation>
    </message>
    <message>
        <source>Amplitude (× Imax, 0 à 2)</source>
        <translation>Amplitude (× Imax, 0 to 2)</translation>
    </message>
    <message>
        <source>Retard (degrés)</source>
        <translation>Lag (degrees)</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Amplitude du courant de la phase %1 en unités de Imax, de 0 à 2</source>
        <translation>Amplitude of the current of phase %1 in units of Imax, from 0 to 2</translation>
    </message>
    <message>
        <source>Retard du courant de la phase %1 sur la phase 1 seule, en degrés</source>
        <translation>Lag of the current of phase %1 behind phase 1 alone, in degrees</translation>
    </message>
    <message>
        <source>bleu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>rouge : cercle « Vecteur spatial »</source>
        <translation>red: the “Space vector” circle</translation>
    </message>
    <message>
        <source>vert</source>
        <translation>green</translation>
    </message>
</context>
<context>
    <name>kest::TBobinageDlg</name>
    <message>
        <source>Bobinage</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Par encoches (Entrée applique)</source>
        <translation>In slots (Enter applies)</translation>
    </message>
    <message>
        <source>Encoches</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>Nombre d&apos;encoches Q, multiple de 3</source>
        <translation>Number of slots Q, a multiple of 3</translation>
    </message>
    <message>
        <source>Couches</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>1 ou 2 couches</source>
        <translation>1 or 2 layers</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Ouverture des bobines en encoches, de 1 (bobines sur dent) à Q/2</source>
        <translation>Coil span in slots, from 1 (coils around a tooth) to Q/2</translation>
    </message>
    <message>
        <source>Encoches par pôle et par phase, en fraction</source>
        <translation>Slots per pole and phase, as a fraction</translation>
    </message>
    <message>
        <source>Nombre de fois que le bobinage se répète sur un tour ; au-dessous de p, la force magnétomotrice a des sous-harmoniques</source>
        <translation>How many times the winding repeats around a turn; below p, the MMF has sub-harmonics</translation>
    </message>
    <message>
        <source>Étoile des encoches : la f.é.m. de chaque encoche, numérotée, dans le secteur de sa phase ; Ctrl+C copie l&apos;étoile</source>
        <translation>Star of slots: the EMF of each slot, numbered, in its phase&apos;s sector; Ctrl+C copies the star</translation>
    </message>
    <message>
        <source>Périodicité pgcd(Q, p) = %1</source>
        <translation>Periodicity gcd(Q, p) = %1</translation>
    </message>
    <message>
        <source>Couche unique</source>
        <translation>Single layer</translation>
    </message>
    <message>
        <source>Couche haute</source>
        <translation>Top layer</translation>
    </message>
    <message>
        <source>Couche basse</source>
        <translation>Bottom layer</translation>
    </message>
    <message>
        <source>Phase et sens du faisceau de chaque encoche, par couche : A+ aller, A− retour. Un clic ou Espace donne la cellule suivante ; A, B, C la phase, + et − le sens, Suppr la vide ; Ctrl+Z annule, Ctrl+Maj+Z rétablit. Le bobinage modifié devient personnalisé</source>
        <translation>Phase and direction of each slot&apos;s coil side, per layer: A+ go, A− return. A click or Space gives the next cell; A, B, C the phase, + and − the direction, Delete empties it; Ctrl+Z undoes, Ctrl+Shift+Z redoes. The edited winding becomes custom</translation>
    </message>
    <message>
        <source>Ce que dit le tableau des encoches : conducteurs par phase, phases qui ne se referment pas, onde de travail et sous-harmoniques</source>
        <translation>What the slot table tells: conductors per phase, phases that do not close, working wave and sub-harmonics</translation>
    </message>
    <message>
        <source>q = Q/(%2p) = %1</source>
        <translation>q = Q/(%2p) = %1</translation>
    </message>
</context>
<context>
    <name>kest::THarmoniquesDlg</name>
    <message>
        <source>direct</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>backward</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>Le bobinage analysé</source>
        <translation>The winding analysed</translation>
    </message>
    <message>
        <source>Agrandir les harmoniques</source>
        <translation>Enlarge the harmonics</translation>
    </message>
    <message>
        <source>Échelle réglée sur le plus grand harmonique ; la barre du fondamental est coupée et porte sa valeur</source>
        <translation>Scale set to the largest harmonic; the fundamental&apos;s bar is cut and carries its value</translation>
    </message>
    <message>
        <source>Taux de distorsion harmonique : racine de la somme des carrés des harmoniques (%1), rapportée au fondamental</source>
        <translation>Total harmonic distortion: root of the sum of the squares of the harmonics (%1), relative to the fundamental</translation>
    </message>
    <message>
        <source>Direct (sens du fondamental)</source>
        <translation>Forward (the fundamental&apos;s direction)</translation>
    </message>
    <message>
        <source>Inverse (sens contraire)</source>
        <translation>Backward (opposite direction)</translation>
    </message>
    <message>
        <source>Rang h (électrique)</source>
        <translation>Order h (electrical)</translation>
    </message>
    <message>
        <source>Amplitude de chaque harmonique rapportée au fondamental ; Ctrl+C copie le spectre</source>
        <translation>Amplitude of each harmonic relative to the fundamental; Ctrl+C copies the spectrum</translation>
    </message>
    <message>
        <source>Sens</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Facteurs de pas (k_p), de distribution (k_d), de double étoile (k_e) et de bobinage (k_w) ; vitesse en fraction de celle du fondamental</source>
        <translation>Pitch (k_p), distribution (k_d), double-star (k_e) and winding (k_w) factors; speed as a fraction of the fundamental&apos;s</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. résultante (rangs multiples de 3 absents)</source>
        <translation>Harmonics of the resultant MMF (orders multiple of 3 absent)</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. résultante, alimentation « %1 »</source>
        <translation>Harmonics of the resultant MMF, supply “%1”</translation>
    </message>
    <message>
        <source>Taux de distorsion harmonique (%1) : %2 %</source>
        <translation>Total harmonic distortion (%1): %2 %</translation>
    </message>
    <message>
        <source>Taux de distorsion harmonique (%1) : sans objet (pas de fondamental)</source>
        <translation>Total harmonic distortion (%1): not applicable (no fundamental)</translation>
    </message>
    <message>
        <source>Taux de déséquilibre : amplitude du champ inverse du fondamental rapportée à celle de son champ direct</source>
        <translation>Unbalance factor: amplitude of the fundamental&apos;s backward field relative to its forward field&apos;s</translation>
    </message>
    <message>
        <source>Taux de déséquilibre (inverse / direct du fondamental) : %1 %</source>
        <translation>Unbalance factor (backward / forward of the fundamental): %1 %</translation>
    </message>
    <message>
        <source>Taux de déséquilibre : sans objet (pas de champ direct)</source>
        <translation>Unbalance factor: not applicable (no forward field)</translation>
    </message>
    <message>
        <source>Direct / inverse</source>
        <translation>Forward / backward</translation>
    </message>
    <message>
        <source>sens</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>vitesse</source>
        <translation>speed</translation>
    </message>
    <message>
        <source>pulsant</source>
        <translation>pulsating</translation>
    </message>
    <message>
        <source>elliptique</source>
        <translation>elliptical</translation>
    </message>
    <message>
        <source>A(h) / A(1) équilibré</source>
        <translation>A(h) / balanced A(1)</translation>
    </message>
    <message>
        <source>Ordre ν (mécanique) ; onde de travail ν = p = %1</source>
        <translation>Order ν (mechanical); working wave ν = p = %1</translation>
    </message>
    <message>
        <source>A(ν) / A(p) équilibré</source>
        <translation>A(ν) / A(p) balanced</translation>
    </message>
    <message>
        <source>Harmoniques de la f.m.m. résultante en ordres mécaniques, sous-harmoniques avant ν = p</source>
        <translation>Harmonics of the resultant MMF in mechanical orders, sub-harmonics before ν = p</translation>
    </message>
</context>
<context>
    <name>kest::TMoteurDlg</name>
    <message>
        <source>Moteur monophasé</source>
        <translation>Single-phase motor</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Le stator triphasé et son champ tournant</source>
        <translation>The three-phase stator and its rotating field</translation>
    </message>
    <message>
        <source>Un enroulement principal et un auxiliaire à 90°, alimenté à travers un condensateur</source>
        <translation>A main winding and an auxiliary one at 90°, fed through a capacitor</translation>
    </message>
    <message>
        <source>Démarrage</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Capacité en µF, de %1 à %2 (échelle logarithmique) ; le triangle rouge marque le condensateur de quadrature</source>
        <translation>Capacitance in µF, from %1 to %2 (logarithmic scale); the red triangle marks the quadrature capacitor</translation>
    </message>
    <message>
        <source>Libre (Entrée applique)</source>
        <translation>Free (Enter applies)</translation>
    </message>
    <message>
        <source>C (µF, « aucun » ou « ouvert »)</source>
        <translation>C (µF, “none” or “open”)</translation>
    </message>
    <message>
        <source>Capacité du condensateur de l&apos;auxiliaire en µF, « aucun » ou « ouvert »</source>
        <translation>Capacitance of the auxiliary&apos;s capacitor in µF, “none” or “open”</translation>
    </message>
    <message>
        <source>Rapport des spires effectives de l&apos;auxiliaire à celles du principal, de 0,1 à 10</source>
        <translation>Ratio of the auxiliary&apos;s effective turns to the main winding&apos;s, from 0.1 to 10</translation>
    </message>
    <message>
        <source>Résistance du principal à l&apos;arrêt, en ohms</source>
        <translation>Standstill resistance of the main winding, in ohms</translation>
    </message>
    <message>
        <source>Réactance du principal à l&apos;arrêt, en ohms (au-dessus de 0)</source>
        <translation>Standstill reactance of the main winding, in ohms (above 0)</translation>
    </message>
    <message>
        <source>Résistance de l&apos;auxiliaire à l&apos;arrêt, en ohms (au-dessus de 0)</source>
        <translation>Standstill resistance of the auxiliary, in ohms (above 0)</translation>
    </message>
    <message>
        <source>Réactance de l&apos;auxiliaire à l&apos;arrêt, en ohms</source>
        <translation>Standstill reactance of the auxiliary, in ohms</translation>
    </message>
    <message>
        <source>Conception</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>C : auxiliaire ouverte</source>
        <translation>C: auxiliary open</translation>
    </message>
    <message>
        <source>C : aucun condensateur</source>
        <translation>C: no capacitor</translation>
    </message>
    <message>
        <source>C = %1 µF</source>
        <translation>C = %1 µF</translation>
    </message>
</context>
<context>
    <name>kest::TOptionsDlg</name>
    <message>
        <source>Type de distribution de la kest</source>
        <translation>Type of distribution of the winding</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Nombre de paire de pôles p :</source>
        <translation>Number of pole pairs p:</translation>
    </message>
    <message>
        <source>choisi le nombre de paires de pôles du bobinage</source>
        <translation>sets the number of pole pairs of the winding</translation>
    </message>
    <message>
        <source>Nombre d&apos;encoches par pôle et par phase m :</source>
        <translation>Slots per pole and per phase m:</translation>
    </message>
    <message>
        <source>choisi le nombre d&apos;encoche par pôle et par phase de chaque bobine</source>
        <translation>sets the number of slots per pole and per phase of each coil</translation>
    </message>
    <message>
        <source>Ouverture des bobines Y :</source>
        <translation>Coil span Y:</translation>
    </message>
    <message>
        <source>Permet d&apos;imposer le raccourcicement polaire (pas diamétral : Pi)</source>
        <translation>Sets the short pitch of the coils (full pitch: Pi)</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Parfaite</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>Réelle</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Double étoile</source>
        <translation>Double star</translation>
    </message>
</context>
<context>
    <name>kest::TkestForm</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Sort de l&apos;application</source>
        <translation>Leaves the program</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>Lance la simulation</source>
        <translation>Starts the simulation</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Arrête la simulation</source>
        <translation>Stops the simulation</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Dimensions</source>
        <translation>&amp;Dimensions</translation>
    </message>
    <message>
        <source>Dimensions des bobines et options diverses</source>
        <translation>Coil dimensions and other options</translation>
    </message>
    <message>
        <source>&amp;Harmoniques</source>
        <translation>&amp;Harmonics</translation>
    </message>
    <message>
        <source>Harmoniques de la force magnétomotrice et facteurs de bobinage</source>
        <translation>Harmonics of the magnetomotive force and winding factors</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;A propos de ...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Affiche des informations à propos du logiciel</source>
        <translation>Shows information about the program</translation>
    </message>
    <message>
        <source>Choisi la vitesse de l&apos;animation</source>
        <translation>Chooses the speed of the animation</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Lance / Arrête l&apos;animation</source>
        <translation>Starts / stops the animation</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Vecteurs</source>
        <translation>Vectors</translation>
    </message>
    <message>
        <source>Affiche les vecteurs</source>
        <translation>Shows the vectors</translation>
    </message>
    <message>
        <source>Onde</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Affiche l&apos;onde associée à la kest</source>
        <translation>Shows the wave of the winding</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Affiche l&apos;emplacement des bobines de chaque phase</source>
        <translation>Shows where the coils of each phase lie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Pas assez de timers disponibles</source>
        <translation>Not enough timers available</translation>
    </message>
    <message>
        <source>A&amp;grandir</source>
        <translation>&amp;Zoom in</translation>
    </message>
    <message>
        <source>Agrandit l&apos;image et la fenêtre</source>
        <translation>Enlarges the picture and the window</translation>
    </message>
    <message>
        <source>&amp;Réduire</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Réduit l&apos;image et la fenêtre</source>
        <translation>Shrinks the picture and the window</translation>
    </message>
    <message>
        <source>&amp;Taille normale</source>
        <translation>&amp;Actual size</translation>
    </message>
    <message>
        <source>Affiche l&apos;image à sa taille d&apos;origine</source>
        <translation>Shows the picture at its original size</translation>
    </message>
    <message>
        <source>&amp;Plein écran</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>&amp;Alimentation</source>
        <translation>S&amp;upply</translation>
    </message>
    <message>
        <source>Courants des trois phases : équilibrés, inversés, une phase seule, une phase coupée ou libres ; champs direct et inverse</source>
        <translation>Currents of the three phases: balanced, reversed, one phase alone, one phase open or free; forward and backward fields</translation>
    </message>
    <message>
        <source>Affiche l&apos;image sur tout l&apos;écran (Échap pour revenir)</source>
        <translation>Shows the picture on the whole screen (Esc to come back)</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Winding</translation>
    </message>
    <message>
        <source>Bobinage classique ou par encoches : encoches, couches et pas des bobines, disposés par l&apos;étoile des encoches</source>
        <translation>Classic winding or a winding in slots: slots, layers and coil span, laid out by the star of slots</translation>
    </message>
    <message>
        <source>Ma&amp;chine</source>
        <translation>Ma&amp;chine</translation>
    </message>
    <message>
        <source>Le moteur monophasé à condensateur</source>
        <translation>The single-phase capacitor motor</translation>
    </message>
    <message>
        <source>Le stator triphasé</source>
        <translation>The three-phase stator</translation>
    </message>
    <message>
        <source>&amp;Moteur monophasé</source>
        <translation>Single-phase &amp;motor</translation>
    </message>
    <message>
        <source>Moteur monophasé : démarrage, condensateur, rapport des spires, impédances et conception</source>
        <translation>Single-phase motor: start, capacitor, turns ratio, impedances and design</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le bobinage…</source>
        <translation>&amp;Save the winding…</translation>
    </message>
    <message>
        <source>Enregistre le tableau des encoches dans un fichier CSV</source>
        <translation>Saves the slot table to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Ouvrir un bobinage…</source>
        <translation>&amp;Open a winding…</translation>
    </message>
    <message>
        <source>Lit un tableau des encoches d&apos;un fichier CSV : il devient le bobinage personnalisé</source>
        <translation>Reads a slot table from a CSV file: it becomes the custom winding</translation>
    </message>
    <message>
        <source>Aucun tableau des encoches à enregistrer : les encoches ne forment pas de bobinage avec p = %1</source>
        <translation>No slot table to save: the slots make no winding with p = %1</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être écrit</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être lu</source>
        <translation>The file %1 cannot be read</translation>
    </message>
    <message>
        <source>Enregistrer le bobinage</source>
        <translation>Save the winding</translation>
    </message>
    <message>
        <source>Bobinage (*.csv)</source>
        <translation>Winding (*.csv)</translation>
    </message>
    <message>
        <source>Ouvrir un bobinage</source>
        <translation>Open a winding</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le Presse-papiers</source>
        <translation>Cannot open the clipboard</translation>
    </message>
    <message>
        <source>Enregistre l&apos;image en SVG (vectoriel)</source>
        <translation>Saves the picture as SVG (vector)</translation>
    </message>
    <message>
        <source>Enregistre l&apos;image en PNG</source>
        <translation>Saves the picture as PNG</translation>
    </message>
    <message>
        <source>Lance la simulation</source>
        <translation>Starts the simulation</translation>
    </message>
    <message>
        <source>Arrête la simulation</source>
        <translation>Stops the simulation</translation>
    </message>
    <message>
        <source>Dimensions des bobines et options diverses</source>
        <translation>Coil dimensions and other options</translation>
    </message>
    <message>
        <source>Affiche des informations à propos du logiciel</source>
        <translation>Shows information about the program</translation>
    </message>
    <message>
        <source>Lance / Arrête l&apos;animation</source>
        <translation>Starts / stops the animation</translation>
    </message>
    <message>
        <source>Choisi la vitesse de l&apos;animation</source>
        <translation>Chooses the speed of the animation</translation>
    </message>
    <message>
        <source>Vitesse de l&apos;animation (intervalle en ms)</source>
        <translation>Speed of the animation (interval in ms)</translation>
    </message>
    <message>
        <source>Affiche les vecteurs</source>
        <translation>Shows the vectors</translation>
    </message>
    <message>
        <source>Affiche l&apos;onde associée à la kest</source>
        <translation>Shows the wave of the winding</translation>
    </message>
    <message>
        <source>Affiche l&apos;emplacement des bobines de chaque phase</source>
        <translation>Shows where the coils of each phase lie</translation>
    </message>
    <message>
        <source>Copie l&apos;image dans le presse-papiers (PNG)</source>
        <translation>Copies the picture to the clipboard (PNG)</translation>
    </message>
    <message>
        <source>Plein écran, pour le vidéoprojecteur (touche F)</source>
        <translation>Full screen, for the projector (key F)</translation>
    </message>
    <message>
        <source>Force magnétomotrice et champ tournant du bobinage</source>
        <translation>Magnetomotive force and rotating field of the winding</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>choisi le nombre de paires de pôles du bobinage</source>
        <translation>sets the number of pole pairs of the winding</translation>
    </message>
    <message>
        <source>choisi le nombre d&apos;encoche par pôle et par phase de chaque bobine</source>
        <translation>sets the number of slots per pole and per phase of each coil</translation>
    </message>
    <message>
        <source>Permet d&apos;imposer le raccourcicement polaire (pas diamétral : Pi)</source>
        <translation>Sets the short pitch of the coils (full pitch: Pi)</translation>
    </message>
    <message>
        <source>Type de distribution de la kest</source>
        <translation>Type of distribution of the winding</translation>
    </message>
    <message>
        <source>Force magnétomotrice et champ tournant d&apos;un stator triphasé</source>
        <translation>Magnetomotive force and rotating field of a three-phase stator</translation>
    </message>
    <message>
        <source>kest — force magnétomotrice d&apos;un bobinage triphasé</source>
        <translation>kest — magnetomotive force of a three-phase winding</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Enregistrer en SVG</source>
        <translation>Save as SVG</translation>
    </message>
    <message>
        <source>Enregistrer en PNG</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Dimensions</source>
        <translation>&amp;Dimensions</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;A propos de ...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Vecteurs</source>
        <translation>Vectors</translation>
    </message>
    <message>
        <source>Onde</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Bobinage</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>SVG</source>
        <translation>SVG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>Plein écran</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Nombre de paire de pôles p :</source>
        <translation>Number of pole pairs p:</translation>
    </message>
    <message>
        <source>Nombre d&apos;encoches par pôle et par phase m :</source>
        <translation>Slots per pole and per phase m:</translation>
    </message>
    <message>
        <source>Ouverture des bobines Y :</source>
        <translation>Coil span Y:</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Parfaite</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>Réelle</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Double étoile</source>
        <translation>Double star</translation>
    </message>
    <message>
        <source>kest</source>
        <translation>kest</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A propos de kest</source>
        <translation>About kest</translation>
    </message>
    <message>
        <source>KEST</source>
        <translation>KEST</translation>
    </message>
    <message>
        <source>Machines électriques</source>
        <translation>Electrical machines</translation>
    </message>
    <message>
        <source>Force magnétomotrice</source>
        <translation>Magnetomotive force</translation>
    </message>
    <message>
        <source>d&apos;un stator triphasé</source>
        <translation>of a three-phase stator</translation>
    </message>
    <message>
        <source>et champ tournant</source>
        <translation>and rotating field</translation>
    </message>
    <message>
        <source>Copie l&apos;adresse de la page avec la configuration affichée</source>
        <translation>Copies the page&apos;s address with the configuration shown</translation>
    </message>
    <message>
        <source>Copier le &amp;lien</source>
        <translation>Copy &amp;link</translation>
    </message>
    <message>
        <source>Lien</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Courants des trois phases : équilibrés, inversés, une phase seule, une phase coupée ou libres ; champs direct et inverse</source>
        <translation>Currents of the three phases: balanced, reversed, one phase alone, one phase open or free; forward and backward fields</translation>
    </message>
    <message>
        <source>Amplitude du courant de la phase 1 en unités de Imax, de 0 à 2</source>
        <translation>Amplitude of the current of phase 1 in units of Imax, from 0 to 2</translation>
    </message>
    <message>
        <source>Retard du courant de la phase 1 sur la phase 1 seule, en degrés</source>
        <translation>Lag of the current of phase 1 behind phase 1 alone, in degrees</translation>
    </message>
    <message>
        <source>Amplitude du courant de la phase 2 en unités de Imax, de 0 à 2</source>
        <translation>Amplitude of the current of phase 2 in units of Imax, from 0 to 2</translation>
    </message>
    <message>
        <source>Retard du courant de la phase 2 sur la phase 1 seule, en degrés</source>
        <translation>Lag of the current of phase 2 behind phase 1 alone, in degrees</translation>
    </message>
    <message>
        <source>Amplitude du courant de la phase 3 en unités de Imax, de 0 à 2</source>
        <translation>Amplitude of the current of phase 3 in units of Imax, from 0 to 2</translation>
    </message>
    <message>
        <source>Retard du courant de la phase 3 sur la phase 1 seule, en degrés</source>
        <translation>Lag of the current of phase 3 behind phase 1 alone, in degrees</translation>
    </message>
    <message>
        <source>&amp;Alimentation</source>
        <translation>S&amp;upply</translation>
    </message>
    <message>
        <source>Alimentation</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>Libre (Entrée applique)</source>
        <translation>Free (Enter applies)</translation>
    </message>
    <message>
        <source>Amplitude (× Imax, 0 à 2)</source>
        <translation>Amplitude (× Imax, 0 to 2)</translation>
    </message>
    <message>
        <source>Retard (degrés)</source>
        <translation>Lag (degrees)</translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation>Phase 1</translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation>Phase 2</translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation>Phase 3</translation>
    </message>
    <message>
        <source>(bleu)</source>
        <translation>(blue)</translation>
    </message>
    <message>
        <source>(vert)</source>
        <translation>(green)</translation>
    </message>
    <message>
        <source>La phase 2, en rouge, est celle que montre seule le cercle « Vecteur spatial »</source>
        <translation>Phase 2, in red, is the one the “Space vector” circle shows alone</translation>
    </message>
    <message>
        <source>(rouge)</source>
        <translation>(red)</translation>
    </message>
    <message>
        <source>Bobinage classique ou par encoches : encoches, couches et pas des bobines, disposés par l&apos;étoile des encoches</source>
        <translation>Classic winding or a winding in slots: slots, layers and coil span, laid out by the star of slots</translation>
    </message>
    <message>
        <source>Nombre d&apos;encoches Q, multiple de 3</source>
        <translation>Number of slots Q, a multiple of 3</translation>
    </message>
    <message>
        <source>1 ou 2 couches</source>
        <translation>1 or 2 layers</translation>
    </message>
    <message>
        <source>Ouverture des bobines en encoches, de 1 (bobines sur dent) à Q/2</source>
        <translation>Coil span in slots, from 1 (coils around a tooth) to Q/2</translation>
    </message>
    <message>
        <source>&amp;Bobinage</source>
        <translation>&amp;Winding</translation>
    </message>
    <message>
        <source>Par encoches (Entrée applique)</source>
        <translation>In slots (Enter applies)</translation>
    </message>
    <message>
        <source>Encoches</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>Couches</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Encoche</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Table des encoches : la phase et le sens de chaque côté de bobine, couche par couche</source>
        <translation>Slot table: the phase and direction of each coil side, layer by layer</translation>
    </message>
    <message>
        <source>Étoile des encoches : le phaseur de chaque encoche, numéroté, dans la couleur de sa phase, et les secteurs de 60° des phases</source>
        <translation>Star of slots: each slot&apos;s phasor, numbered, in its phase&apos;s colour, and the phases&apos; 60° sectors</translation>
    </message>
    <message>
        <source>Étoile des encoches</source>
        <translation>Star of slots</translation>
    </message>
    <message>
        <source>q = Q/(6p)</source>
        <translation>q = Q/(6p)</translation>
    </message>
    <message>
        <source>Périodicité pgcd(Q, p)</source>
        <translation>Periodicity gcd(Q, p)</translation>
    </message>
    <message>
        <source>Couche unique</source>
        <translation>Single layer</translation>
    </message>
    <message>
        <source>Couche haute</source>
        <translation>Top layer</translation>
    </message>
    <message>
        <source>Couche basse</source>
        <translation>Bottom layer</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Affiche ou masque les vues et les boutons de l&apos;image</source>
        <translation>Shows or hides the views and the picture&apos;s buttons</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Moteur monophasé : démarrage, condensateur, rapport des spires, impédances et conception</source>
        <translation>Single-phase motor: start, capacitor, turns ratio, impedances and design</translation>
    </message>
    <message>
        <source>Capacité en µF, de 10 à 2000 (échelle logarithmique) ; le triangle rouge marque le condensateur de quadrature</source>
        <translation>Capacitance in µF, from 10 to 2000 (logarithmic scale); the red triangle marks the quadrature capacitor</translation>
    </message>
    <message>
        <source>Capacité du condensateur de l&apos;auxiliaire en µF, « aucun » ou « ouvert »</source>
        <translation>Capacitance of the auxiliary&apos;s capacitor in µF, “none” or “open”</translation>
    </message>
    <message>
        <source>Rapport des spires effectives de l&apos;auxiliaire à celles du principal, de 0,1 à 10</source>
        <translation>Ratio of the auxiliary&apos;s effective turns to the main winding&apos;s, from 0.1 to 10</translation>
    </message>
    <message>
        <source>Résistance du principal à l&apos;arrêt, en ohms</source>
        <translation>Standstill resistance of the main winding, in ohms</translation>
    </message>
    <message>
        <source>Réactance du principal à l&apos;arrêt, en ohms (au-dessus de 0)</source>
        <translation>Standstill reactance of the main winding, in ohms (above 0)</translation>
    </message>
    <message>
        <source>Résistance de l&apos;auxiliaire à l&apos;arrêt, en ohms (au-dessus de 0)</source>
        <translation>Standstill resistance of the auxiliary, in ohms (above 0)</translation>
    </message>
    <message>
        <source>Réactance de l&apos;auxiliaire à l&apos;arrêt, en ohms</source>
        <translation>Standstill reactance of the auxiliary, in ohms</translation>
    </message>
    <message>
        <source>&amp;Moteur monophasé</source>
        <translation>Single-phase &amp;motor</translation>
    </message>
    <message>
        <source>Moteur monophasé</source>
        <translation>Single-phase motor</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Démarrage</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>C (µF, « aucun » ou « ouvert »)</source>
        <translation>C (µF, “none” or “open”)</translation>
    </message>
    <message>
        <source>Conception</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Le stator triphasé et son champ tournant</source>
        <translation>The three-phase stator and its rotating field</translation>
    </message>
    <message>
        <source>Un enroulement principal et un auxiliaire à 90°, alimenté à travers un condensateur</source>
        <translation>A main winding and an auxiliary one at 90°, fed through a capacitor</translation>
    </message>
    <message>
        <source>C : auxiliaire ouverte</source>
        <translation>C: auxiliary open</translation>
    </message>
    <message>
        <source>C : aucun condensateur</source>
        <translation>C: no capacitor</translation>
    </message>
    <message>
        <source>C = %1 µF</source>
        <translation>C = %1 µF</translation>
    </message>
    <message>
        <source>Annule la dernière modification de la table des encoches (Ctrl+Z)</source>
        <translation>Undoes the last change to the slot table (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Rétablit la modification annulée (Ctrl+Maj+Z)</source>
        <translation>Redoes the undone change (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Table des encoches : un clic sur une case la fait passer à A+, A−, B+, B−, C+, C− puis vide, et le bobinage devient personnalisé</source>
        <translation>Slot table: a click on a cell turns it to A+, A−, B+, B−, C+, C− then empty, and the winding becomes custom</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Refaire</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Encoche %1, %2 : %3</source>
        <translation>Slot %1, %2: %3</translation>
    </message>
    <message>
        <source>vide</source>
        <translation>empty</translation>
    </message>
</context>
</TS>
