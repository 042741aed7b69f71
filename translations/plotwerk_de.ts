<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>DerivativeStatus</name>
    <message>
        <source>%1 is empty: no derivative</source>
        <translation>%1 ist leer: keine Ableitung</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): no derivative</source>
        <translation>%1 ist nicht lesbar (%2): keine Ableitung</translation>
    </message>
    <message>
        <source>%1 is too long to differentiate</source>
        <translation>%1 ist zu lang zum Ableiten</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to differentiate</source>
        <translation>%1 ist zu tief geschachtelt zum Ableiten</translation>
    </message>
    <message>
        <source>the differentiator does not know the function %1</source>
        <translation>die Funktion %1 kann nicht abgeleitet werden</translation>
    </message>
    <message>
        <source>the differentiator cannot read this form of %1 ([ ] is not supported)</source>
        <translation>diese Schreibweise von %1 kann nicht abgeleitet werden ([ ] wird nicht unterstützt)</translation>
    </message>
    <message>
        <source>the derivative of %1 would be too long</source>
        <translation>die Ableitung von %1 wäre zu lang</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>empty term</source>
        <translation>leerer Term</translation>
    </message>
    <message>
        <source>unexpected character &apos;%1&apos;</source>
        <translation>unerwartetes Zeichen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing operand</source>
        <translation>Operand fehlt</translation>
    </message>
    <message>
        <source>malformed number &apos;%1&apos;</source>
        <translation>fehlerhafte Zahl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown function name &apos;%1&apos;</source>
        <translation>unbekannter Funktionsname &apos;%1&apos;</translation>
    </message>
    <message>
        <source>reserved function name &apos;%1&apos;</source>
        <translation>reservierter Funktionsname &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;(&apos; missing after name &apos;%1&apos;</source>
        <translation>&apos;(&apos; fehlt nach dem Namen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unmatched &apos;%1&apos;</source>
        <translation>&apos;%1&apos; ohne Gegenstück</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>Klammern zu tief geschachtelt</translation>
    </message>
    <message>
        <source>position %1: %2</source>
        <translation>Stelle %1: %2</translation>
    </message>
    <message>
        <source>no value here, read as 0</source>
        <translation>hier kein Wert, als 0 gelesen</translation>
    </message>
    <message>
        <source>%1: read as %2</source>
        <translation>%1: gelesen als %2</translation>
    </message>
    <message>
        <source>no exponent notation: write %1*10^%2 for &apos;%3&apos;</source>
        <translation>keine Exponentenschreibweise: schreibe %1*10^%2 für &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a number directly before E: write %1*E for &apos;%2&apos;</source>
        <translation>eine Zahl direkt vor E: schreibe %1*E für &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Definitionsbereich</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MouseStatus</name>
    <message>
        <source>Trace</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>(%1; %2)</source>
        <translation>(%1; %2)</translation>
    </message>
    <message>
        <source>x = %1   no f1 drawn</source>
        <translation>x = %1   kein f1 gezeichnet</translation>
    </message>
    <message>
        <source>x = %1   f1(x) undefined</source>
        <translation>x = %1   f1(x) nicht definiert</translation>
    </message>
    <message>
        <source>x = %1   f1(x) = %2</source>
        <translation>x = %1   f1(x) = %2</translation>
    </message>
</context>
<context>
    <name>TermEdit</name>
    <message>
        <source>The text was cut to %1 characters, the most a field takes.</source>
        <translation>Der Text wurde auf %1 Zeichen gekürzt, mehr nimmt ein Feld nicht auf.</translation>
    </message>
</context>
<context>
    <name>plotwerk::platform</name>
    <message>
        <source>The picture has no pixels to save.</source>
        <translation>Das Bild hat keine Pixel zum Speichern.</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file.</source>
        <translation>Das Bild ist zu groß für eine BMP-Datei.</translation>
    </message>
    <message>
        <source>The picture is too large for a GIF file.</source>
        <translation>Das Bild ist zu groß für eine GIF-Datei.</translation>
    </message>
    <message>
        <source>The PNG encoder failed.</source>
        <translation>Der PNG-Kodierer ist gescheitert.</translation>
    </message>
    <message>
        <source>Unknown picture format.</source>
        <translation>Unbekanntes Bildformat.</translation>
    </message>
    <message>
        <source>The picture could not be prepared for printing.</source>
        <translation>Das Bild konnte nicht für den Druck vorbereitet werden.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Das Drucken ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>plotwerk::plot</name>
    <message>
        <source>Function Y = </source>
        <translation>Funktion Y = </translation>
    </message>
    <message>
        <source>Domain (</source>
        <translation>Bereich (</translation>
    </message>
    <message>
        <source>1st derivation</source>
        <translation>1. Ableitung</translation>
    </message>
    <message>
        <source>2nd derivation</source>
        <translation>2. Ableitung</translation>
    </message>
    <message>
        <source>Area under f1 between </source>
        <translation>Fläche unter f1 zwischen </translation>
    </message>
    <message>
        <source>Area between f1 and f2 between </source>
        <translation>Fläche zwischen f1 und f2 im Bereich </translation>
    </message>
    <message>
        <source>Definite integral f1 between </source>
        <translation>Bestimmtes Integral von f1 zwischen </translation>
    </message>
    <message>
        <source>Definite integral f1-f2 between </source>
        <translation>Bestimmtes Integral von f1-f2 zwischen </translation>
    </message>
    <message>
        <source>Zeros</source>
        <translation>Nullstellen</translation>
    </message>
    <message>
        <source>Extrema</source>
        <translation>Extrema</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Tiefpunkt</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Hochpunkt</translation>
    </message>
    <message>
        <source>Inflection points</source>
        <translation>Wendepunkte</translation>
    </message>
    <message>
        <source>Intersection points</source>
        <translation>Schnittpunkte</translation>
    </message>
    <message>
        <source>Intersection points between f1 and f2</source>
        <translation>Schnittpunkte von f1 und f2</translation>
    </message>
    <message>
        <source>Function f2: Y = </source>
        <translation>Funktion f2: Y = </translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Wertetabelle</translation>
    </message>
    <message>
        <source>Value table cut after %1 of %2 rows</source>
        <translation>Wertetabelle nach %1 von %2 Zeilen abgebrochen</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>unendlich vielen</translation>
    </message>
    <message>
        <source>Array of functions: only the first %1 curves drawn</source>
        <translation>Kurvenschar: nur die ersten %1 Kurven gezeichnet</translation>
    </message>
    <message>
        <source>Zeros: </source>
        <translation>Nullstellen: </translation>
    </message>
    <message>
        <source>Extreme points: </source>
        <translation>Extrempunkte: </translation>
    </message>
    <message>
        <source>Intersections: </source>
        <translation>Schnittpunkte: </translation>
    </message>
    <message>
        <source>Inflection Points: </source>
        <translation>Wendepunkte: </translation>
    </message>
    <message>
        <source>Antiderivative f1</source>
        <translation>Stammfunktion zu f1</translation>
    </message>
    <message>
        <source>Inverse function</source>
        <translation>Umkehrfunktion</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>cannot be determined</source>
        <translation>nicht bestimmbar</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::AnimationControl</name>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::ExportActions</name>
    <message>
        <source>Abbildung (*.bmp)</source>
        <translation>Abbildung (*.bmp)</translation>
    </message>
    <message>
        <source>16 Farben-Abbildung (*.bmp)</source>
        <translation>16 Farben-Abbildung (*.bmp)</translation>
    </message>
    <message>
        <source>Abbildung (*.gif)</source>
        <translation>Abbildung (*.gif)</translation>
    </message>
    <message>
        <source>Vektorgrafik (*.wmf)</source>
        <translation>Vektorgrafik (*.wmf)</translation>
    </message>
    <message>
        <source>PNG-Abbildung (*.png)</source>
        <translation>PNG-Abbildung (*.png)</translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation>SVG-Vektorgrafik (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Abbildung speichern</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::HelpWindow</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the help page shown (help_&lt;code&gt;.html): &quot;de&quot; in the German translation.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Plotwerk help</source>
        <translation>Plotwerk-Hilfe</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::TF35</name>
    <message>
        <source>About ...</source>
        <translation>Info ...</translation>
    </message>
    <message>
        <source>Copyright © 2026
the Plotwerk developers
Version %1
All rights reserved.</source>
        <translation>Copyright © 2026
die Plotwerk-Entwickler
Version %1
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Built with Qt, zlib and giflib: thanks to
the people who make and keep them.</source>
        <translation>Gebaut mit Qt, zlib und giflib: Dank an
alle, die sie entwickeln und pflegen.</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::TFGraf</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Smooth lines</source>
        <translation>Linien glätten</translation>
    </message>
    <message>
        <source>Coordinate system</source>
        <translation>Koordinatensystem</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Hineinzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Herauszoomen</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <source>Graph width</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <source>1st derivat.</source>
        <translation>1. Ableitung</translation>
    </message>
    <message>
        <source>2nd derivat.</source>
        <translation>2. Ableitung</translation>
    </message>
    <message>
        <source>Zeros</source>
        <translation>Nullstellen</translation>
    </message>
    <message>
        <source>Extrema</source>
        <translation>Extrema</translation>
    </message>
    <message>
        <source>Inflection p.</source>
        <translation>Wendepkt.</translation>
    </message>
    <message>
        <source>Infl. tangent</source>
        <translation>Wendetang.</translation>
    </message>
    <message>
        <source>Antiderivative</source>
        <translation>Stammfunktion</translation>
    </message>
    <message>
        <source>Intersection</source>
        <translation>Schnittpkt.</translation>
    </message>
    <message>
        <source>Show points</source>
        <translation>Punktanzeige</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Parameter P = </source>
        <translation>Parameter P = </translation>
    </message>
    <message>
        <source>Parameter Q = </source>
        <translation>Parameter Q = </translation>
    </message>
    <message>
        <source>Array of functions d =</source>
        <translation>Kurvenschar d =</translation>
    </message>
    <message>
        <source>Point A (</source>
        <translation>Punkt A (</translation>
    </message>
    <message>
        <source>Point B (</source>
        <translation>Punkt B (</translation>
    </message>
    <message>
        <source>Tangent A</source>
        <translation>Tangente A</translation>
    </message>
    <message>
        <source>Normal A</source>
        <translation>Normale A</translation>
    </message>
    <message>
        <source>Secant AB</source>
        <translation>Sekante AB</translation>
    </message>
    <message>
        <source>Integral AB</source>
        <translation>Integral AB</translation>
    </message>
    <message>
        <source>Area AB</source>
        <translation>Fläche AB</translation>
    </message>
    <message>
        <source>Point A</source>
        <translation>Punkt A</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Point B</source>
        <translation>Punkt B</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>from          to</source>
        <translation>von             bis</translation>
    </message>
    <message>
        <source>Value table in list</source>
        <translation>Wertetabelle in Liste</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Result List</source>
        <translation>Ergebnisliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy vector graphic</source>
        <translation>Vektorgrafik kopieren</translation>
    </message>
    <message>
        <source>Print vector graphic</source>
        <translation>Vektorgrafik drucken</translation>
    </message>
    <message>
        <source>Save vector graphic</source>
        <translation>Vektorgrafik speichern</translation>
    </message>
    <message>
        <source>Copy result list</source>
        <translation>Ergebnisliste kopieren</translation>
    </message>
    <message>
        <source>Represent axes</source>
        <translation>Achsen darstellen</translation>
    </message>
    <message>
        <source>Highlight axes</source>
        <translation>Achsen hervorheben</translation>
    </message>
    <message>
        <source>Coordinate frame</source>
        <translation>Koordinatenrahmen</translation>
    </message>
    <message>
        <source>Degrees on the x-axis</source>
        <translation>Gradmaß auf der x-Achse</translation>
    </message>
    <message>
        <source>Radians on the x-axis</source>
        <translation>Bogenmaß auf der x-Achse</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>mm-Grid</source>
        <translation>mm-Raster</translation>
    </message>
    <message>
        <source>Show function term</source>
        <translation>Funktionsterm anzeigen</translation>
    </message>
    <message>
        <source>Colored function graphs</source>
        <translation>Farbige Funktionsgraphen</translation>
    </message>
    <message>
        <source>Decrease display interval</source>
        <translation>Anzeigeintervall verkleinern</translation>
    </message>
    <message>
        <source>Increase display interval</source>
        <translation>Anzeigeintervall vergrößern</translation>
    </message>
    <message>
        <source>Adjust y-Resolution</source>
        <translation>y-Auflösung anpassen</translation>
    </message>
    <message>
        <source>Special functions</source>
        <translation>Spezielle Funktionen</translation>
    </message>
    <message>
        <source>f1(-x) , Reflection on y-axis</source>
        <translation>f1(-x) , Spiegelung an der y-Achse</translation>
    </message>
    <message>
        <source>-f1(-x) , Reflection on origin</source>
        <translation>-f1(-x) , Spiegelung am Ursprung</translation>
    </message>
    <message>
        <source>-f1(x) , Reflection on x-axis</source>
        <translation>-f1(x) , Spiegelung an der x-Achse</translation>
    </message>
    <message>
        <source>f1(x+p) , Displacement along x-axis</source>
        <translation>f1(x+p) , Verschiebung längs der x-Achse</translation>
    </message>
    <message>
        <source>f1(p*x) , Stretching along x-axis</source>
        <translation>f1(p*x) , Streckung längs der x-Achse</translation>
    </message>
    <message>
        <source>f1(x)+p , Displacement along y-axis</source>
        <translation>f1(x)+p , Verschiebung längs der y-Achse</translation>
    </message>
    <message>
        <source>p*f1(x) , Stretching along y-axis</source>
        <translation>p*f1(x) , Streckung längs der y-Achse</translation>
    </message>
    <message>
        <source>f1(f1(x)) , Successive execution</source>
        <translation>f1(f1(x)) , Verkettung</translation>
    </message>
    <message>
        <source>f1(x)+f2(x) , Addition of function values</source>
        <translation>f1(x)+f2(x) , Addition der Funktionswerte</translation>
    </message>
    <message>
        <source>f1(x)-f2(x) , Subtraction of function values</source>
        <translation>f1(x)-f2(x) , Subtraktion der Funktionswerte</translation>
    </message>
    <message>
        <source>f1(x)*f2(x) , Multiplication of function values</source>
        <translation>f1(x)*f2(x) , Multiplikation der Funktionswerte</translation>
    </message>
    <message>
        <source>f1(x)/f2(x) , Division of function values</source>
        <translation>f1(x)/f2(x) , Division der Funktionswerte</translation>
    </message>
    <message>
        <source>Inverse curve to f1(x) , Reflection on y=x</source>
        <translation>Umkehrkurve zu f1(x) , Spiegelung an y=x</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Info ...</translation>
    </message>
    <message>
        <source>Graphical representation of a function</source>
        <translation>Grafische Darstellung einer Funktion</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::UndoHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::WorksheetActions</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open worksheet...</source>
        <translation>Arbeitsblatt öffnen...</translation>
    </message>
    <message>
        <source>Save worksheet...</source>
        <translation>Arbeitsblatt speichern...</translation>
    </message>
    <message>
        <source>Worksheets (*.%1)</source>
        <translation>Arbeitsblätter (*.%1)</translation>
    </message>
    <message>
        <source>Open worksheet</source>
        <translation>Arbeitsblatt öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>The worksheet &quot;%1&quot; has changed. Save it before closing?</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; wurde geändert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Cannot open the worksheet &quot;%1&quot;:
%2</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>The worksheet &quot;%1&quot; was opened with these notes:
%2</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; wurde geöffnet, mit diesen Hinweisen:
%2</translation>
    </message>
    <message>
        <source>Cannot save the worksheet &quot;%1&quot;:
%2</source>
        <translation>Das Arbeitsblatt &quot;%1&quot; kann nicht gespeichert werden:
%2</translation>
    </message>
</context>
</TS>
