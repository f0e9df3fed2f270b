<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutText</name>
    <message>
        <source>&lt;b&gt;The source&lt;/b&gt;, the small circle on the left, sends one photon at a time. Its arrow turns as each photon leaves: the photon&apos;s phase, where its arrow starts.</source>
        <translation>&lt;b&gt;Zdroj&lt;/b&gt;, malý kroužek vlevo, vysílá fotony jeden po druhém. Když foton vyletí, natočí se šipka zdroje: ukazuje počáteční fázi fotonu, tj. směr, kterým jeho šipka na začátku míří.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The shield with its double slit&lt;/b&gt; is the thick vertical line. Each photon goes through one of the two slits, chosen at random. The arrows piled up at the upper slit are black, those at the lower slit white.</source>
        <translation>&lt;b&gt;Clona s dvojštěrbinou&lt;/b&gt; je silná svislá čára. Každý foton projde jednou ze dvou štěrbin, zvolenou náhodně. Šipky nakupené u horní štěrbiny jsou černé, u dolní štěrbiny bílé.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The vector sum&lt;/b&gt;: the arrows of all the photons sent to one detector point are added head to tail. At some points the sum is drawn in green, starting on the third vertical line; it is mirrored top to bottom.</source>
        <translation>&lt;b&gt;Součet vektorů&lt;/b&gt;: šipky všech fotonů poslaných do jednoho bodu detektoru se sčítají tak, že se kladou za sebe (začátek každé na konec předchozí). V některých bodech je součet nakreslen zeleně, od třetí svislé čáry; je zrcadlově převrácený shora dolů.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The interference pattern&lt;/b&gt;: for each detector point a black bar on the right, as long as the squared length of its sum, which is the probability of finding a photon there. Long bars are where photons are likely to land.</source>
        <translation>&lt;b&gt;Interferenční obrazec&lt;/b&gt;: pro každý bod detektoru černý pruh vpravo, jehož délka je druhá mocnina délky součtu v tomto bodě, tedy pravděpodobnost, že tam foton najdeme. Dlouhé pruhy jsou tam, kam fotony dopadají s velkou pravděpodobností.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The expected pattern&lt;/b&gt;, shown with &lt;b&gt;E&lt;/b&gt;, is a red line through the bar length each point would have on average over many runs.</source>
        <translation>&lt;b&gt;Očekávaný obrazec&lt;/b&gt;, zobrazený klávesou &lt;b&gt;E&lt;/b&gt;, je červená čára, která ukazuje, jak dlouhý by byl pruh v každém bodě v průměru z mnoha běhů.</translation>
    </message>
    <message>
        <source>About this picture</source>
        <translation>O tomto obrázku</translation>
    </message>
    <message>
        <source>Controls and keys</source>
        <translation>Ovládání a klávesy</translation>
    </message>
    <message>
        <source>The buttons on the left choose the photons per detector point; the scroll bar at the top chooses the slowdown, how many times each photon&apos;s animation is repeated. &lt;b&gt;Start&lt;/b&gt; (F5) builds the pattern; clicks made during a run are applied when it ends. &lt;b&gt;Exit&lt;/b&gt; closes the window.</source>
        <translation>Tlačítka vlevo volí počet fotonů na bod detektoru; posuvník nahoře volí zpomalení, tedy kolikrát se animace každého fotonu opakuje. &lt;b&gt;Spustit&lt;/b&gt; (F5) sestaví obrazec; kliknutí během běhu se uplatní až po jeho skončení. &lt;b&gt;Konec&lt;/b&gt; zavře okno.</translation>
    </message>
    <message>
        <source>Slitwise %1, free software under the MIT licence. &lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;</source>
        <translation>Slitwise %1, svobodný software pod licencí MIT. &lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;The detector&lt;/b&gt; is the next vertical line. Each photon arrives at one detector point, and its arrow has turned by the length of its path: one radian per pixel of path.</source>
        <translation>&lt;b&gt;Detektor&lt;/b&gt; je další svislá čára. Každý foton dopadne do jednoho bodu detektoru a jeho šipka se cestou otočí úměrně délce dráhy: o jeden radián na každý pixel dráhy.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The experiment panel&lt;/b&gt;, opened and closed with &lt;b&gt;X&lt;/b&gt;, is a strip below the picture. It sets the distance from the slits to the detector, the slit separation, the wavelength (with the arrow&apos;s turn per pixel beside it: one whole turn per wavelength), the slit width, which slits are open and the which-slit detector. The next Start uses them; &lt;b&gt;Designed experiment&lt;/b&gt; brings back the start-up values. The fringes narrow as the slits move apart or the wavelength shortens, and widen as the detector moves away; a wide slit brings an envelope. With one slit open, or with the detector on, the fringes are gone: the detector&apos;s photons add squared lengths, not arrows, and the two partial sums are drawn apart. A picture of a changed experiment names its settings along its bottom.</source>
        <translation>&lt;b&gt;Panel pokusu&lt;/b&gt;, který se otevírá a zavírá klávesou &lt;b&gt;X&lt;/b&gt;, je pruh pod obrázkem. Nastavuje se v něm vzdálenost detektoru od štěrbin, vzdálenost štěrbin, vlnová délka (vedle ní otočení šipky na pixel: jedna celá otáčka na vlnovou délku), šířka štěrbin, které štěrbiny jsou otevřené, a detektor průchodu štěrbinou. Změny se projeví při příštím spuštění; &lt;b&gt;Výchozí nastavení&lt;/b&gt; vrátí počáteční hodnoty. Proužky se zužují, když se štěrbiny od sebe vzdalují nebo se vlnová délka zkracuje, a rozšiřují se, když se detektor vzdaluje; široká štěrbina k nim přidá obálku. Je-li otevřená jen jedna štěrbina nebo je zapnutý detektor průchodu, proužky zmizí: při zapnutém detektoru průchodu se nesčítají šipky, ale druhé mocniny jejich délek, a oba dílčí součty se kreslí odděleně. Obrázek změněného pokusu uvádí jeho nastavení u dolního okraje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The detector screen&lt;/b&gt;, shown with &lt;b&gt;D&lt;/b&gt; in place of the bars, is the picture of the textbooks: single photons land one at a time as dots, scattered at first, in fringes after some thousands. Beside the latest dot stand its two arrows, one for each slit (black for the upper, white for the lower), and their green sum: where they point the same way the sum is long and photons land often; where they point opposite ways, hardly ever. With the which-slit detector on, the two arrows are not added, and no fringes form. On the right the hits counted by height, and with &lt;b&gt;E&lt;/b&gt; the chance in red.</source>
        <translation>&lt;b&gt;Stínítko detektoru&lt;/b&gt;, zobrazené klávesou &lt;b&gt;D&lt;/b&gt; místo pruhů, je obraz známý z učebnic: jednotlivé fotony dopadají jeden po druhém jako tečky, zpočátku zdánlivě nahodile, po několika tisících do proužků. Vedle poslední tečky jsou dvě šipky jejího fotonu, jedna pro každou štěrbinu (černá pro horní, bílá pro dolní), a jejich zelený součet: kde míří stejným směrem, je součet dlouhý a fotony dopadají často; kde míří opačně, téměř nikdy. Při zapnutém detektoru průchodu se obě šipky nesčítají a proužky nevzniknou. Vpravo je počet zásahů podle výšky a klávesou &lt;b&gt;E&lt;/b&gt; se k němu červeně přidá pravděpodobnost.</translation>
    </message>
    <message>
        <source>&lt;b&gt;How the two pictures differ&lt;/b&gt;: in a run, many photons are sent to one detector point, each through one slit chosen at random, and the arrows of all of them are added. On the detector screen, one photon&apos;s arrows for both slits are added: the photon does not take one slit or the other, and its chance of landing already has the fringes. Many photons only make that chance visible as dots.</source>
        <translation>&lt;b&gt;Jak se oba obrazy liší&lt;/b&gt;: v běhu se do jednoho bodu detektoru pošle mnoho fotonů, každý jednou náhodně zvolenou štěrbinou, a sečtou se šipky všech. Na stínítku detektoru se sčítají šipky jednoho fotonu pro obě štěrbiny: foton neprochází jen jednou ze štěrbin a proužky má už pravděpodobnost dopadu jediného fotonu. Mnoho fotonů tuto pravděpodobnost jen zviditelní jako tečky.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Where the apparatus stands&lt;/b&gt;, in pixels from the picture&apos;s left: the source at 80, the shield with the slits at 150, the detector line at 150 plus the distance (150 as designed, 50 to 250), the sums at 450 and the pattern at 550. The distance stated is from the slits to the detector line, so the fringe spacing measured on the picture is the wavelength times the distance over the slit separation. After a change, the run drawn says &quot;Press Start for the new experiment&quot; until the next Start.</source>
        <translation>&lt;b&gt;Kde aparatura stojí&lt;/b&gt;, v pixelech od levého okraje obrázku: zdroj na 80, clona se štěrbinami na 150, čára detektoru na 150 plus vzdálenost (výchozí 150, rozsah 50 až 250), součty na 450 a obrazec na 550. Uvedená vzdálenost se měří od štěrbin k čáře detektoru, takže vzdálenost sousedních proužků změřená na obrázku je rovna vlnové délce krát vzdálenost detektoru děleno vzdáleností štěrbin. Po změně nastavení je pod nakresleným během nápis „Pro nový pokus stiskněte Spustit“, dokud běh znovu nespustíte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The arrow probe&lt;/b&gt;, shown with &lt;b&gt;A&lt;/b&gt; or a click right of the slits, answers why it is bright or dark at one point of the detector: each open slit&apos;s path to it, and the arrow each path brings, large and head to tail, with their sum. Where the paths differ by whole wavelengths the arrows point the same way and the sum is long; half a wavelength more and they cancel. A wide slit brings a chain of small arrows that curls up where the slit alone gives darkness. &lt;b&gt;Up&lt;/b&gt; and &lt;b&gt;Down&lt;/b&gt; move it, &lt;b&gt;Esc&lt;/b&gt; removes it.</source>
        <translation>&lt;b&gt;Šipková sonda&lt;/b&gt;, zobrazená klávesou &lt;b&gt;A&lt;/b&gt; nebo klepnutím vpravo od štěrbin, vysvětluje, proč je v jednom bodě detektoru světlo nebo tma: ukáže dráhu z každé otevřené štěrbiny do tohoto bodu a šipku, kterou každá dráha přinese, zvětšenou a kladenou za sebe (začátek každé na konec předchozí), i s jejich součtem. Liší-li se dráhy o celý počet vlnových délek, míří šipky stejným směrem a součet je dlouhý; o půl vlnové délky více a šipky se vyruší. Široká štěrbina přinese řetízek malých šipek, který se stočí tam, kde by samotná štěrbina dala tmu. Klávesy &lt;b&gt;Nahoru&lt;/b&gt; a &lt;b&gt;Dolů&lt;/b&gt; sondou posouvají, &lt;b&gt;Esc&lt;/b&gt; ji odstraní.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The ruler&lt;/b&gt;, &lt;b&gt;R&lt;/b&gt;, measures in the picture&apos;s pixels at any zoom; while it is shown a drag lays it anew, and its ends snap to bright fringes near the detector. &lt;b&gt;The fringe marks&lt;/b&gt;, &lt;b&gt;L&lt;/b&gt;, mark the bright fringes beside the pattern: the textbook&apos;s ticks λL/d apart, and circles where the paths differ by whole wavelengths.</source>
        <translation>&lt;b&gt;Pravítko&lt;/b&gt;, klávesa &lt;b&gt;R&lt;/b&gt;, měří v pixelech obrázku při jakémkoli zvětšení; dokud je zobrazené, tažením myší se položí znovu a jeho konce se u detektoru přichytí ke světlým proužkům. &lt;b&gt;Značky proužků&lt;/b&gt;, klávesa &lt;b&gt;L&lt;/b&gt;, označí vedle obrazce světlé proužky: čárkami podle učebnicového vzorce po λL/d a kroužky tam, kde se dráhy liší o celý počet vlnových délek.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kept patterns&lt;/b&gt;: &lt;b&gt;K&lt;/b&gt; keeps the pattern as it stands, up to four, drawn as outlines in their own colours and line styles with a legend, to compare with the next experiments; &lt;b&gt;Shift+K&lt;/b&gt; clears them. &lt;b&gt;C&lt;/b&gt; draws a curtain over the pattern so that the class predicts first, and reveals it again.</source>
        <translation>&lt;b&gt;Uložené obrazce&lt;/b&gt;: &lt;b&gt;K&lt;/b&gt; uloží obrazec v jeho současné podobě, nejvýše čtyři, a kreslí je jako obrysy vlastní barvou a typem čáry s legendou, aby je bylo možné porovnat s dalšími pokusy; &lt;b&gt;Shift+K&lt;/b&gt; je smaže. &lt;b&gt;C&lt;/b&gt; zakryje obrazec oponou, aby třída nejdříve předpověděla, co uvidí, a znovu ho odkryje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;A grating&lt;/b&gt;: &lt;b&gt;Slits&lt;/b&gt; in the panel sets one to eight slits, spaced by the slit separation; with any number but two all of them are open. Each photon goes through one of them, chosen at random, and its arrows have that slit&apos;s colour. The bright lines stay where neighbouring paths differ by whole wavelengths, λL/d apart, but grow sharper as slits are added, and the probe shows why: its arrows, one a slit, head to tail, lie in a straight line only at a bright line; a little way off they curl into a polygon, which closes where it is dark, long before the next line.</source>
        <translation>&lt;b&gt;Mřížka&lt;/b&gt;: položka &lt;b&gt;Štěrbiny&lt;/b&gt; v panelu nastaví jednu až osm štěrbin s rozestupem rovným vzdálenosti štěrbin; při jiném počtu než dvou jsou otevřené všechny. Každý foton projde jednou z nich, zvolenou náhodně, a jeho šipky mají barvu té štěrbiny. Světlé proužky zůstávají tam, kde se sousední dráhy liší o celý počet vlnových délek, tedy λL/d od sebe, ale s každou další štěrbinou jsou ostřejší. Proč, ukáže sonda: její šipky, jedna za každou štěrbinu, kladené za sebe, leží v přímce jen na světlém proužku; kousek vedle se stáčejí do mnohoúhelníku, který se uzavře tam, kde je tma, dlouho před dalším proužkem.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Seed the random numbers (0 to 18446744073709551615), so that a run can be repeated exactly; without it they are seeded from the clock.</source>
        <translation>Nastaví počáteční hodnotu generátoru náhodných čísel (0 až 18446744073709551615), aby bylo možné běh přesně zopakovat; bez této volby se odvodí z hodin.</translation>
    </message>
    <message>
        <source>With --render or --data: slowdown, 1 to 3 (default 1).</source>
        <translation>S --render nebo --data: zpomalení 1 až 3 (výchozí 1).</translation>
    </message>
    <message>
        <source>With --render: draw the expected pattern over the picture, in red.</source>
        <translation>S --render: nakreslí přes obrázek červeně očekávaný obrazec.</translation>
    </message>
    <message>
        <source>Shows the double-slit experiment with single photons as phase arrows.
Press Start to build the interference pattern bar by bar.</source>
        <translation>Ukazuje dvojštěrbinový pokus s jednotlivými fotony znázorněnými fázovými šipkami.
Stiskněte Spustit a interferenční obrazec se sestaví pruh po pruhu.</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>volba %1 nepřijímá hodnotu</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>volba %1 vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>neznámá volba %1 (viz --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (see --help)</source>
        <translation>neočekávaný argument %1 (viz --help)</translation>
    </message>
    <message>
        <source>--seed %1 is not a whole number from 0 to %2</source>
        <translation>--seed %1 není celé číslo od 0 do %2</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>volba --%1 vyžaduje název souboru</translation>
    </message>
    <message>
        <source>--photons %1 is not one of %2</source>
        <translation>--photons %1 není jednou z hodnot %2</translation>
    </message>
    <message>
        <source>--slowdown %1 is not one of 1, 2, 3</source>
        <translation>--slowdown %1 není jednou z hodnot 1, 2, 3</translation>
    </message>
    <message>
        <source>--scale %1 is not a number from 0.5 to 4</source>
        <translation>--scale %1 není číslo od 0,5 do 4</translation>
    </message>
    <message>
        <source>--%1 goes only with --render or --data</source>
        <translation>volbu --%1 lze použít jen s --render nebo --data</translation>
    </message>
    <message>
        <source>
Keys in the window:
</source>
        <translation>
Klávesy v okně:
</translation>
    </message>
    <message>
        <source>
The standard Qt options are accepted as well, among them -platform NAME, -style NAME
and -reverse; --help-all lists them all.

Bad arguments print one line on standard error and exit with status 2.
</source>
        <translation>
Přijímají se i standardní volby Qt, mezi nimi -platform NÁZEV, -style NÁZEV
a -reverse; --help-all vypíše všechny.

Při chybných argumentech program vypíše jeden řádek na standardní chybový výstup
a skončí s návratovým kódem 2.
</translation>
    </message>
    <message>
        <source>Make one whole run at full speed without a window and write the 801 x 581 drawing area to FILE as a PNG; - writes it to standard output.</source>
        <translation>Provede celý běh plnou rychlostí bez okna a zapíše kreslicí plochu 801 x 581 do souboru FILE jako PNG; je-li FILE -, zapíše ji na standardní výstup.</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>volba --%1 je zadána dvakrát</translation>
    </message>
    <message>
        <source>--%1 needs a file name, not %2</source>
        <translation>volba --%1 vyžaduje název souboru, ne %2</translation>
    </message>
    <message>
        <source>--render and --data cannot both write to standard output</source>
        <translation>--render a --data nemohou zároveň zapisovat na standardní výstup</translation>
    </message>
    <message>
        <source>--hits %1 is not a whole number from 1 to %2</source>
        <translation>--hits %1 není celé číslo od 1 do %2</translation>
    </message>
    <message>
        <source>Make one whole run at full speed without a window and write its 520 detector points to FILE as CSV; alone or with --render; - writes them to standard output.</source>
        <translation>Provede celý běh plnou rychlostí bez okna a zapíše jeho 520 bodů detektoru do souboru FILE jako CSV; samostatně nebo s --render; je-li FILE -, zapíše je na standardní výstup.</translation>
    </message>
    <message>
        <source>With --render or --data: photons per detector point, one of %1 (default %2).</source>
        <translation>S --render nebo --data: počet fotonů na bod detektoru, jedna z hodnot %1 (výchozí %2).</translation>
    </message>
    <message>
        <source>With --render: draw the picture Z times as large, from 0.5 to 4 (default 1): 801·Z x 581·Z pixels.</source>
        <translation>S --render: nakreslí obrázek Z-krát větší, od 0,5 do 4 (výchozí 1): 801·Z x 581·Z pixelů.</translation>
    </message>
    <message>
        <source>With --render or --data: land N single photons (1 to %1) on the detector screen, drawn in place of the pattern bars; --data then writes one row per hit.</source>
        <translation>S --render nebo --data: nechá na stínítko detektoru, kreslené místo pruhů obrazce, dopadnout N jednotlivých fotonů (1 až %1); --data pak zapíše jeden řádek za každý zásah.</translation>
    </message>
    <message>
        <source>The arrow probe at height Y of the detector, %1 to %2 pixels (the axis is at %3): with --render it is drawn on the picture; alone, no run is made and one CSV line of its paths, arrows and chance is written to standard output.</source>
        <translation>Šipková sonda ve výšce Y na detektoru, %1 až %2 pixelů (osa je ve výšce %3): s --render se nakreslí do obrázku; samostatně se žádný běh neprovede a na standardní výstup se zapíše jeden řádek CSV s jejími drahami, šipkami a pravděpodobností.</translation>
    </message>
    <message>
        <source>--probe %1 is not a height from %2 to %3</source>
        <translation>--probe %1 není výška od %2 do %3</translation>
    </message>
    <message>
        <source>--probe goes with --data only beside --render</source>
        <translation>volbu --probe lze spolu s --data použít jen s --render</translation>
    </message>
    <message>
        <source>Usage: slitwise [options]
       slitwise [--render FILE.png] [--data FILE.csv] [--photons N] [--slowdown S]
                [--scale Z] [--expected] [--hits N] [--probe Y] [--seed N]
                [--setup FILE.slitwise | FILE.slitwise]
</source>
        <translation>Použití: slitwise [volby]
         slitwise [--render FILE.png] [--data FILE.csv] [--photons N] [--slowdown S]
                  [--scale Z] [--expected] [--hits N] [--probe Y] [--seed N]
                  [--setup FILE.slitwise | FILE.slitwise]
</translation>
    </message>
    <message>
        <source>Take the settings from the setup FILE (a .slitwise file), with the options given beside it over them; slitwise FILE does the same.</source>
        <translation>Převezme nastavení ze souboru FILE (soubor .slitwise); volby zadané vedle něj mají přednost před jeho klíči. Totéž dělá slitwise FILE.</translation>
    </message>
    <message>
        <source>--compare goes only with --render</source>
        <translation>volbu --compare lze použít jen s --render</translation>
    </message>
    <message>
        <source>--compare is given more than %1 times</source>
        <translation>volba --compare je zadána víc než %1krát</translation>
    </message>
    <message>
        <source>With --render: draw the expected pattern of the setup FILE over the pattern&apos;s column as a kept pattern, with its legend; up to %1 times.</source>
        <translation>S --render: nakreslí očekávaný obrazec nastavení ze souboru FILE přes sloupec obrazce jako uložený obrazec s legendou; nejvýše %1krát.</translation>
    </message>
</context>
<context>
    <name>CommandList</name>
    <message>
        <source>Space, Enter</source>
        <translation>Mezerník, Enter</translation>
    </message>
    <message>
        <source>press the button that has the focus</source>
        <translation>stisknout tlačítko, které má fokus</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>start a run</source>
        <translation>spustit běh</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>pause the run, or resume it</source>
        <translation>pozastavit běh nebo v něm pokračovat</translation>
    </message>
    <message>
        <source>Next photon</source>
        <translation>Další foton</translation>
    </message>
    <message>
        <source>while paused: the next photon</source>
        <translation>při pozastavení: vyslat další foton</translation>
    </message>
    <message>
        <source>Show expected pattern</source>
        <translation>Zobrazit očekávaný obrazec</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>full screen, or back</source>
        <translation>přepnout na celou obrazovku nebo zpět</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Uložit obrázek…</translation>
    </message>
    <message>
        <source>save the picture as a PNG</source>
        <translation>uložit obrázek jako PNG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>copy the picture</source>
        <translation>zkopírovat obrázek</translation>
    </message>
    <message>
        <source>Export data…</source>
        <translation>Exportovat data…</translation>
    </message>
    <message>
        <source>About this picture</source>
        <translation>O tomto obrázku</translation>
    </message>
    <message>
        <source>what each part of the picture is</source>
        <translation>vysvětlit, co je která část obrázku</translation>
    </message>
    <message>
        <source>all of these in a menu, as a right click gives</source>
        <translation>zobrazit nabídku se vším uvedeným, stejně jako pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>stop the run; the picture stays as far as it came</source>
        <translation>zastavit běh; nakreslená část obrázku zůstane</translation>
    </message>
    <message>
        <source>Finish now</source>
        <translation>Dokončit hned</translation>
    </message>
    <message>
        <source>draw the rest of the run at once</source>
        <translation>nakreslit zbytek běhu najednou</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Pomaleji</translation>
    </message>
    <message>
        <source>a slower pace, down to one photon a second</source>
        <translation>zpomalit tempo, až na jeden foton za sekundu</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Rychleji</translation>
    </message>
    <message>
        <source>a faster pace, up to 4,000 repetitions a second</source>
        <translation>zrychlit tempo, až na 4 000 opakování za sekundu</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Barvy pro projektor</translation>
    </message>
    <message>
        <source>projector colours: sums dark green, lower slit brown, expected blue</source>
        <translation>přepnout na barvy pro projektor: součty tmavě zeleně, dolní štěrbina hnědě, očekávaný obrazec modře</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>open or close the experiment panel below the picture</source>
        <translation>otevřít nebo zavřít panel pokusu pod obrázkem</translation>
    </message>
    <message>
        <source>show or hide the expected pattern, and the chance on the screen</source>
        <translation>zobrazit nebo skrýt očekávaný obrazec a pravděpodobnost na stínítku</translation>
    </message>
    <message>
        <source>export the last finished run&apos;s points, or the screen&apos;s hits, as CSV</source>
        <translation>exportovat body posledního dokončeného běhu nebo zásahy na stínítku jako CSV</translation>
    </message>
    <message>
        <source>Detector screen</source>
        <translation>Stínítko detektoru</translation>
    </message>
    <message>
        <source>single photons landing on a screen, in place of the bars; D again hides it</source>
        <translation>zobrazit dopady jednotlivých fotonů na stínítko místo pruhů; další D stínítko skryje</translation>
    </message>
    <message>
        <source>Clear hits</source>
        <translation>Smazat zásahy</translation>
    </message>
    <message>
        <source>clear the screen&apos;s hits and begin again</source>
        <translation>smazat zásahy na stínítku a začít znovu</translation>
    </message>
    <message>
        <source>Arrow probe</source>
        <translation>Šipková sonda</translation>
    </message>
    <message>
        <source>the paths and arrows at one point of the detector: on the axis, or where you click right of the slits; A again removes it</source>
        <translation>zobrazit dráhy a šipky v jednom bodě detektoru: na ose nebo tam, kam klepnete vpravo od štěrbin; další A sondu odstraní</translation>
    </message>
    <message>
        <source>move the arrow probe up one pixel, or ten</source>
        <translation>posunout šipkovou sondu o pixel nahoru, s Shiftem o deset</translation>
    </message>
    <message>
        <source>move the arrow probe down one pixel, or ten</source>
        <translation>posunout šipkovou sondu o pixel dolů, s Shiftem o deset</translation>
    </message>
    <message>
        <source>remove the arrow probe or the ruler, or leave full screen</source>
        <translation>odstranit šipkovou sondu nebo pravítko, případně opustit celou obrazovku</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Pravítko</translation>
    </message>
    <message>
        <source>a ruler from the middle bright fringe to the next; while it is shown a drag lays it anew; R again removes it</source>
        <translation>položit pravítko od prostředního světlého proužku k dalšímu; dokud je zobrazené, tažením myší se položí znovu; další R ho odstraní</translation>
    </message>
    <message>
        <source>Fringe marks</source>
        <translation>Značky proužků</translation>
    </message>
    <message>
        <source>mark the bright fringes beside the pattern: the textbook&apos;s λL/d apart, and the true ones</source>
        <translation>označit vedle obrazce světlé proužky: učebnicové po λL/d a skutečné</translation>
    </message>
    <message>
        <source>Keep pattern</source>
        <translation>Uložit obrazec</translation>
    </message>
    <message>
        <source>keep the pattern as it stands, to compare with the next experiments; up to four</source>
        <translation>uložit obrazec v současné podobě pro porovnání s dalšími pokusy; nejvýše čtyři</translation>
    </message>
    <message>
        <source>Clear kept patterns</source>
        <translation>Smazat uložené obrazce</translation>
    </message>
    <message>
        <source>clear the kept patterns</source>
        <translation>smazat uložené obrazce</translation>
    </message>
    <message>
        <source>Predict first</source>
        <translation>Nejdřív předpověď</translation>
    </message>
    <message>
        <source>hide the pattern and the screen behind a curtain while photons arrive; C again reveals them</source>
        <translation>zakrýt obrazec a stínítko oponou, zatímco fotony dopadají; další C je odkryje</translation>
    </message>
    <message>
        <source>Open setup…</source>
        <translation>Otevřít nastavení…</translation>
    </message>
    <message>
        <source>open a setup file: its settings, as if set by hand</source>
        <translation>otevřít soubor nastavení: jeho hodnoty platí, jako by byly zadány ručně</translation>
    </message>
    <message>
        <source>Save setup…</source>
        <translation>Uložit nastavení…</translation>
    </message>
    <message>
        <source>save what is set now as a setup file</source>
        <translation>uložit současné nastavení do souboru</translation>
    </message>
    <message>
        <source>the same menu, by the control that has the focus</source>
        <translation>zobrazit tutéž nabídku u prvku, který má fokus</translation>
    </message>
</context>
<context>
    <name>ControlFactory</name>
    <message numerus="yes">
        <source>%Ln photon(s) per dot</source>
        <translation>
            <numerusform>%Ln foton na bod</numerusform>
            <numerusform>%Ln fotony na bod</numerusform>
            <numerusform>%Ln fotonů na bod</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sends %Ln photon(s) to each detector point</source>
        <translation>
            <numerusform>Pošle %Ln foton do každého bodu detektoru</numerusform>
            <numerusform>Pošle %Ln fotony do každého bodu detektoru</numerusform>
            <numerusform>Pošle %Ln fotonů do každého bodu detektoru</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Caption of the drawing, shown once a run has ended</source>
        <translation>Popisek obrázku, zobrazí se po skončení běhu</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Zpomalení</translation>
    </message>
    <message>
        <source>How many times each photon&apos;s animation is repeated in the next run, 1 to 3</source>
        <translation>Kolikrát se v příštím běhu opakuje animace každého fotonu, 1 až 3</translation>
    </message>
    <message>
        <source>Interference pattern (probability)</source>
        <translation>Interferenční obrazec</translation>
    </message>
    <message>
        <source>Vector sum</source>
        <translation>Součet vektorů</translation>
    </message>
    <message>
        <source>detector</source>
        <translation>detektor</translation>
    </message>
    <message>
        <source>Shield with double slit</source>
        <translation>Clona s dvojštěrbinou</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>The double-slit experiment with single photons, shown with phase arrows</source>
        <translation>Dvojštěrbinový pokus s jednotlivými fotony, znázorněný fázovými šipkami</translation>
    </message>
    <message>
        <source>Photons per dot</source>
        <translation>Fotonů na bod</translation>
    </message>
    <message>
        <source>How many photons are sent to each detector point</source>
        <translation>Kolik fotonů se pošle do každého bodu detektoru</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Closes the window and ends the program</source>
        <translation>Zavře okno a ukončí program</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Draws the apparatus and builds the interference pattern photon by photon</source>
        <translation>Nakreslí aparaturu a foton po fotonu sestaví interferenční obrazec</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stiskněte tlačítko Spustit</translation>
    </message>
    <message>
        <source>What to do first</source>
        <translation>Co udělat nejdřív</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>The run waits; P resumes it, N does one photon</source>
        <translation>Běh je pozastaven; P – pokračovat, N – další foton</translation>
    </message>
    <message>
        <source>Hits: 0</source>
        <translation>Zásahy: 0</translation>
    </message>
    <message>
        <source>Single photons landed on the detector screen</source>
        <translation>Jednotlivé fotony, které dopadly na stínítko detektoru</translation>
    </message>
    <message>
        <source>Shield with one slit</source>
        <translation>Clona s jednou štěrbinou</translation>
    </message>
    <message>
        <source>Shield with %1 slits</source>
        <translation>Clona se štěrbinami: %1</translation>
    </message>
</context>
<context>
    <name>CurtainLayer</name>
    <message>
        <source>Predict first: what will the pattern look like?</source>
        <translation>Nejdřív předpověď: jak bude obrazec vypadat?</translation>
    </message>
</context>
<context>
    <name>DetectorScreen</name>
    <message>
        <source>Detector screen: no hits yet</source>
        <translation>Stínítko detektoru: zatím žádné zásahy</translation>
    </message>
    <message>
        <source>Detector screen: a few hits, no pattern yet</source>
        <translation>Stínítko detektoru: několik zásahů, zatím bez obrazce</translation>
    </message>
    <message>
        <source>Detector screen: a pattern is emerging</source>
        <translation>Stínítko detektoru: obrazec se začíná rýsovat</translation>
    </message>
    <message>
        <source>Detector screen: the pattern is clear</source>
        <translation>Stínítko detektoru: obrazec je zřetelný</translation>
    </message>
    <message>
        <source>Hits: %L1</source>
        <translation>Zásahy: %L1</translation>
    </message>
</context>
<context>
    <name>ExperimentOptions</name>
    <message>
        <source>Distance from the slits to the detector, %1 to %2 pixels (default %3).</source>
        <translation>Vzdálenost detektoru od štěrbin, %1 až %2 pixelů (výchozí %3).</translation>
    </message>
    <message>
        <source>Slit separation, %1 to %2 pixels (default %3).</source>
        <translation>Vzdálenost štěrbin, %1 až %2 pixelů (výchozí %3).</translation>
    </message>
    <message>
        <source>Wavelength, %1 to %2 pixels (default 2π, about 6.28).</source>
        <translation>Vlnová délka, %1 až %2 pixelů (výchozí 2π, přibližně 6,28).</translation>
    </message>
    <message>
        <source>Open slits: both, upper or lower (default both).</source>
        <translation>Otevřené štěrbiny: both (obě), upper (horní) nebo lower (dolní); výchozí both.</translation>
    </message>
    <message>
        <source>Turn the which-slit detector on: each photon&apos;s slit is recorded.</source>
        <translation>Zapne detektor průchodu štěrbinou: u každého fotonu se zaznamená, kterou štěrbinou prošel.</translation>
    </message>
    <message>
        <source>--%1 %2 is not a whole number from %3 to %4</source>
        <translation>--%1 %2 není celé číslo od %3 do %4</translation>
    </message>
    <message>
        <source>Instead of --wavelength: the arrow&apos;s turn per pixel of path, in radians from 0.2513 to 2.0944 (default 1): a wavelength of 2π divided by it.</source>
        <translation>Místo --wavelength: otočení šipky na pixel dráhy v radiánech, od 0,2513 do 2,0944 (výchozí 1); vlnová délka je 2π děleno tímto číslem.</translation>
    </message>
    <message>
        <source>Slit width, %1 to %2 pixels (default 0, point slits).</source>
        <translation>Šířka štěrbin, %1 až %2 pixelů (výchozí 0, bodové štěrbiny).</translation>
    </message>
    <message>
        <source>--%1 %2 is not one of %3</source>
        <translation>--%1 %2 není jednou z hodnot %3</translation>
    </message>
    <message>
        <source>--%1 %2 is not a number from %3 to %4</source>
        <translation>--%1 %2 není číslo od %3 do %4</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot both be given</source>
        <translation>--%1 a --%2 nelze zadat zároveň</translation>
    </message>
    <message>
        <source>Number of slits, %1 to %2, spaced by the slit separation (default %3): a grating; all are open unless there are two.</source>
        <translation>Počet štěrbin, %1 až %2, s rozestupem rovným vzdálenosti štěrbin (výchozí %3): mřížka; nejsou-li právě dvě, jsou otevřené všechny.</translation>
    </message>
</context>
<context>
    <name>ExperimentPanel</name>
    <message>
        <source>Experiment</source>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>Designed experiment</source>
        <translation>Výchozí nastavení</translation>
    </message>
    <message>
        <source>Brings back the experiment&apos;s start-up settings</source>
        <translation>Vrátí výchozí nastavení pokusu</translation>
    </message>
    <message>
        <source>Distance to detector</source>
        <translation>Vzdálenost detektoru od štěrbin</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Vzdálenost štěrbin</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Vlnová délka</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Šířka štěrbin</translation>
    </message>
    <message>
        <source>both</source>
        <translation>obě</translation>
    </message>
    <message>
        <source>upper only</source>
        <translation>jen horní</translation>
    </message>
    <message>
        <source>lower only</source>
        <translation>jen dolní</translation>
    </message>
    <message>
        <source>Open slits</source>
        <translation>Otevřené štěrbiny</translation>
    </message>
    <message>
        <source>on</source>
        <translation>zapnutý</translation>
    </message>
    <message>
        <source>Which-slit detector</source>
        <translation>Detektor průchodu</translation>
    </message>
    <message>
        <source>%1 rad/px</source>
        <translation>%1 rad/px</translation>
    </message>
    <message>
        <source>Turn per pixel: %1</source>
        <translation>Otočení na pixel: %1</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Designed experiment restored</source>
        <translation>Výchozí nastavení obnoveno</translation>
    </message>
    <message>
        <source>all open: a choice only with two slits</source>
        <translation>otevřené všechny: volba jen u dvou štěrbin</translation>
    </message>
    <message>
        <source>Slits</source>
        <translation>Štěrbiny</translation>
    </message>
</context>
<context>
    <name>ExperimentSettings</name>
    <message>
        <source>both slits open</source>
        <translation>obě štěrbiny otevřené</translation>
    </message>
    <message>
        <source>upper slit only</source>
        <translation>jen horní štěrbina</translation>
    </message>
    <message>
        <source>lower slit only</source>
        <translation>jen dolní štěrbina</translation>
    </message>
    <message>
        <source>, sums drawn at %1 %</source>
        <translation>, součty zmenšeny na %1 %</translation>
    </message>
    <message>
        <source>which-slit detector off</source>
        <translation>detektor průchodu vypnutý</translation>
    </message>
    <message>
        <source>which-slit detector on</source>
        <translation>detektor průchodu zapnutý</translation>
    </message>
    <message>
        <source>distance %1 px</source>
        <translation>vzdálenost detektoru %1 px</translation>
    </message>
    <message>
        <source>slit separation %1 px</source>
        <translation>vzdálenost štěrbin %1 px</translation>
    </message>
    <message>
        <source>wavelength %1 px (%2 rad/px)</source>
        <translation>vlnová délka %1 px (%2 rad/px)</translation>
    </message>
    <message>
        <source>slit width %1 px</source>
        <translation>šířka štěrbin %1 px</translation>
    </message>
    <message>
        <source>designed experiment</source>
        <translation>výchozí nastavení</translation>
    </message>
    <message>
        <source>slits: %1</source>
        <translation>štěrbiny: %1</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>the folder does not exist</source>
        <translation>složka neexistuje</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>do složky nelze zapisovat</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>soubor je jen pro čtení</translation>
    </message>
</context>
<context>
    <name>HeadlessRender</name>
    <message>
        <source>slitwise: cannot write &apos;%1&apos;: %2</source>
        <translation>slitwise: nelze zapsat &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>slitwise: the experiment&apos;s settings cannot be used</source>
        <translation>slitwise: nastavení pokusu nelze použít</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>The designed experiment</source>
        <translation>Výchozí pokus</translation>
    </message>
    <message>
        <source>Before pressing Start: will the photons land evenly along the detector, or in bands?</source>
        <translation>Než stisknete Spustit: budou fotony dopadat na detektor rovnoměrně, nebo v proužcích?</translation>
    </message>
    <message>
        <source>Slits twice as far apart</source>
        <translation>Štěrbiny dvakrát dál od sebe</translation>
    </message>
    <message>
        <source>Before pressing Start: will the bright bands move closer together or further apart?</source>
        <translation>Než stisknete Spustit: posunou se světlé proužky blíž k sobě, nebo dál od sebe?</translation>
    </message>
    <message>
        <source>A longer wavelength</source>
        <translation>Delší vlnová délka</translation>
    </message>
    <message>
        <source>Before pressing Start: with a longer wavelength, will the bright bands move closer together or further apart?</source>
        <translation>Než stisknete Spustit: posunou se při delší vlnové délce světlé proužky blíž k sobě, nebo dál od sebe?</translation>
    </message>
    <message>
        <source>One slit closed</source>
        <translation>Jedna štěrbina zavřená</translation>
    </message>
    <message>
        <source>Before pressing Start: with one slit closed, will there be half as many bands, or none at all?</source>
        <translation>Než stisknete Spustit: bude při jedné zavřené štěrbině proužků poloviční počet, nebo nebudou žádné?</translation>
    </message>
    <message>
        <source>The which-slit detector</source>
        <translation>Detektor průchodu štěrbinou</translation>
    </message>
    <message>
        <source>Before pressing Start: if we record which slit each photon goes through, will the bands stay?</source>
        <translation>Než stisknete Spustit: zůstanou proužky, když budeme zaznamenávat, kterou štěrbinou každý foton prošel?</translation>
    </message>
    <message>
        <source>Wide slits</source>
        <translation>Široké štěrbiny</translation>
    </message>
    <message>
        <source>Before pressing Start: when each slit is wide, will every bright band stay as bright as the middle one?</source>
        <translation>Než stisknete Spustit: zůstane při širokých štěrbinách každý světlý proužek stejně jasný jako ten prostřední?</translation>
    </message>
</context>
<context>
    <name>MeasureLayer</name>
    <message>
        <source>Ruler: %1 px</source>
        <translation>Pravítko: %1 px</translation>
    </message>
    <message>
        <source>No fringes to mark: only one slit is open</source>
        <translation>Žádné proužky k označení: otevřená je jen jedna štěrbina</translation>
    </message>
    <message>
        <source>No fringes to mark: the which-slit detector is on</source>
        <translation>Žádné proužky k označení: detektor průchodu štěrbinou je zapnutý</translation>
    </message>
    <message>
        <source>λL/d = %1 px; first bright fringes %2 px from the middle</source>
        <translation>λL/d = %1 px; první světlé proužky %2 px od středu</translation>
    </message>
    <message>
        <source>λL/d = %1 px</source>
        <translation>λL/d = %1 px</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Exportovat data</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Obrázek se nepodařilo uložit do „%1“: %2.</translation>
    </message>
    <message>
        <source>The data could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Data se nepodařilo uložit do „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture of the experiment</source>
        <translation>Obrázek pokusu</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>obrázek se nepodařilo zakódovat</translation>
    </message>
</context>
<context>
    <name>ProbeLayer</name>
    <message>
        <source>Point at y = %1 px</source>
        <translation>Bod ve výšce y = %1 px</translation>
    </message>
    <message>
        <source>Upper path: %1 px = %2 λ</source>
        <translation>Horní dráha: %1 px = %2 λ</translation>
    </message>
    <message>
        <source>Lower path: %1 px = %2 λ</source>
        <translation>Dolní dráha: %1 px = %2 λ</translation>
    </message>
    <message>
        <source>%1 λ: the detector is on, so the squared lengths are added, not the arrows</source>
        <translation>%1 λ: detektor průchodu je zapnutý, proto se nesčítají šipky, ale druhé mocniny jejich délek</translation>
    </message>
    <message>
        <source>%1 λ: the arrows point the same way</source>
        <translation>%1 λ: šipky míří stejným směrem</translation>
    </message>
    <message>
        <source>%1 λ: they point opposite ways</source>
        <translation>%1 λ: šipky míří opačnými směry</translation>
    </message>
    <message>
        <source>%1 λ: they point %2° apart</source>
        <translation>%1 λ: šipky svírají úhel %2°</translation>
    </message>
    <message>
        <source>Chance here: %1 % of the largest</source>
        <translation>Pravděpodobnost zde: %1 % největší</translation>
    </message>
    <message>
        <source>Path %1: %2 px = %3 λ</source>
        <translation>Dráha %1: %2 px = %3 λ</translation>
    </message>
    <message>
        <source>Between neighbouring slits:</source>
        <translation>Mezi sousedními štěrbinami:</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí nápovědu k volbám příkazového řádku.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zobrazí nápovědu včetně voleb specifických pro Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informace o verzi.</translation>
    </message>
</context>
<context>
    <name>RunDisplay</name>
    <message>
        <source>Point %1 of %2</source>
        <translation>Bod %1 z %2</translation>
    </message>
    <message>
        <source>%1, photon %2 of %3</source>
        <translation>%1, foton %2 z %3</translation>
    </message>
    <message>
        <source>upper slit</source>
        <translation>horní štěrbina</translation>
    </message>
    <message>
        <source>lower slit</source>
        <translation>dolní štěrbina</translation>
    </message>
    <message>
        <source>Photon %1 of %2 at point %3: %4, arrives turned by %5 rad</source>
        <translation>Foton %1 z %2 v bodě %3: %4, šipka při dopadu otočená o %5 rad</translation>
    </message>
    <message>
        <source>Press Start for the new experiment</source>
        <translation>Pro nový pokus stiskněte Spustit</translation>
    </message>
    <message numerus="yes">
        <source>Pace: up to %Ln hit(s) a second</source>
        <translation>
            <numerusform>Tempo: až %Ln zásah za sekundu</numerusform>
            <numerusform>Tempo: až %Ln zásahy za sekundu</numerusform>
            <numerusform>Tempo: až %Ln zásahů za sekundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pace: %Ln photon(s) a second</source>
        <translation>
            <numerusform>Tempo: %Ln foton za sekundu</numerusform>
            <numerusform>Tempo: %Ln fotony za sekundu</numerusform>
            <numerusform>Tempo: %Ln fotonů za sekundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pace: %Ln repetition(s) a second</source>
        <translation>
            <numerusform>Tempo: %Ln opakování za sekundu</numerusform>
            <numerusform>Tempo: %Ln opakování za sekundu</numerusform>
            <numerusform>Tempo: %Ln opakování za sekundu</numerusform>
        </translation>
    </message>
    <message>
        <source>slit %1 of %2</source>
        <translation>štěrbina %1 z %2</translation>
    </message>
</context>
<context>
    <name>RunSession</name>
    <message>
        <source>Run finished</source>
        <translation>Běh skončil</translation>
    </message>
    <message>
        <source>Run failed: %1</source>
        <translation>Běh selhal: %1</translation>
    </message>
    <message>
        <source>Run in progress</source>
        <translation>Běh probíhá</translation>
    </message>
    <message>
        <source>Run paused</source>
        <translation>Běh pozastaven</translation>
    </message>
    <message>
        <source>Run stopped</source>
        <translation>Běh zastaven</translation>
    </message>
</context>
<context>
    <name>SettingError</name>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number.</source>
        <translation>%1 obsahuje „%2“, což není číslo.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is out of range (at most %3 either side of 0).</source>
        <translation>%1 obsahuje „%2“, což je mimo rozsah (absolutní hodnota nejvýše %3).</translation>
    </message>
</context>
<context>
    <name>SetupCommands</name>
    <message>
        <source>Slitwise setups (*.%1)</source>
        <translation>Nastavení Slitwise (*.%1)</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lekce</translation>
    </message>
    <message>
        <source>Recent setups</source>
        <translation>Nedávná nastavení</translation>
    </message>
    <message>
        <source>Open setup</source>
        <translation>Otevřít nastavení</translation>
    </message>
    <message>
        <source>Save setup</source>
        <translation>Uložit nastavení</translation>
    </message>
    <message>
        <source>The setup could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Nastavení se nepodařilo uložit do „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>the setup %1 does not exist</source>
        <translation>soubor nastavení %1 neexistuje</translation>
    </message>
    <message>
        <source>the setup %1 is not a file</source>
        <translation>nastavení %1 není soubor</translation>
    </message>
    <message>
        <source>the setup %1 cannot be read: %2</source>
        <translation>soubor nastavení %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>the setup %1 is not in the INI format</source>
        <translation>soubor nastavení %1 není ve formátu INI</translation>
    </message>
    <message>
        <source>in the setup %1: %2</source>
        <translation>v souboru nastavení %1: %2</translation>
    </message>
    <message>
        <source>unknown key %1 in the setup %2 skipped</source>
        <translation>neznámý klíč %1 v souboru nastavení %2 byl přeskočen</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 není jednou z hodnot %3</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number from %3 to %4</source>
        <translation>%1 %2 není celé číslo od %3 do %4</translation>
    </message>
</context>
<context>
    <name>SnapshotLayer</name>
    <message>
        <source>Pattern %1: %2</source>
        <translation>Obrazec %1: %2</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>About this picture</source>
        <translation>O tomto obrázku</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Detector screen held</source>
        <translation>Stínítko detektoru pozastaveno</translation>
    </message>
    <message>
        <source>Detector screen resumed</source>
        <translation>Stínítko detektoru pokračuje</translation>
    </message>
    <message>
        <source>Detector screen stopped</source>
        <translation>Stínítko detektoru zastaveno</translation>
    </message>
    <message>
        <source>Already the fastest pace</source>
        <translation>Tempo už je nejrychlejší</translation>
    </message>
    <message>
        <source>Already the slowest pace</source>
        <translation>Tempo už je nejpomalejší</translation>
    </message>
    <message>
        <source>Projector colours on</source>
        <translation>Barvy pro projektor zapnuty</translation>
    </message>
    <message>
        <source>Projector colours off</source>
        <translation>Barvy pro projektor vypnuty</translation>
    </message>
    <message>
        <source>Expected pattern shown</source>
        <translation>Očekávaný obrazec zobrazen</translation>
    </message>
    <message>
        <source>Expected pattern hidden</source>
        <translation>Očekávaný obrazec skryt</translation>
    </message>
    <message>
        <source>Detector screen hidden</source>
        <translation>Stínítko detektoru skryto</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Full screen left</source>
        <translation>Celá obrazovka opuštěna</translation>
    </message>
    <message>
        <source>Arrow probe removed</source>
        <translation>Šipková sonda odstraněna</translation>
    </message>
    <message>
        <source>Ruler removed</source>
        <translation>Pravítko odstraněno</translation>
    </message>
    <message>
        <source>Fringe marks removed</source>
        <translation>Značky proužků odstraněny</translation>
    </message>
    <message>
        <source>No pattern to keep yet</source>
        <translation>Zatím není co uložit</translation>
    </message>
    <message>
        <source>Kept patterns cleared</source>
        <translation>Uložené obrazce smazány</translation>
    </message>
    <message>
        <source>Curtain opened</source>
        <translation>Opona odkryta</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>slitwise: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset); --render FILE.png makes a picture without one</source>
        <translation>slitwise: není k dispozici displej, na kterém by se okno zobrazilo (DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny); --render FILE.png vytvoří obrázek i bez něj</translation>
    </message>
    <message>
        <source>slitwise: the platform &apos;%1&apos; could not be started; available platforms: %2</source>
        <translation>slitwise: platformu &apos;%1&apos; se nepodařilo spustit; dostupné platformy: %2</translation>
    </message>
</context>
</TS>
