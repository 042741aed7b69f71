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
    <name>ProtectedFile</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected. Replace it anyway?</source>
        <translation>Die Datei „%1“ ist schreibgeschützt. Trotzdem ersetzen?</translation>
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
    <message>
        <source>the symbolic link points to nothing that exists</source>
        <translation>die symbolische Verknüpfung zeigt auf nichts, was existiert</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file belongs to another owner or group, which a new file could not keep</source>
        <translation>die Datei gehört einem anderen Besitzer oder einer anderen Gruppe, die eine neue Datei nicht behalten könnte</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is larger than a worksheet can be</source>
        <translation>die Datei ist größer, als ein Arbeitsblatt sein kann</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the file has %1 other hard link(s), which replacing it would break</source>
        <translation>die Datei hat %1 weitere harte Verknüpfung(en), die beim Ersetzen verloren gingen</translation>
    </message>
    <message>
        <source>the file has %1 bytes, more than a worksheet can hold (%2 bytes)</source>
        <translation>die Datei hat %1 Bytes, mehr als ein Arbeitsblatt fassen kann (%2 Bytes)</translation>
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
        <source>1st derivative</source>
        <translation>1. Ableitung</translation>
    </message>
    <message>
        <source>2nd derivative</source>
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
    <message>
        <source>Z%1</source>
        <translation>N%1</translation>
    </message>
    <message>
        <source>Max%1</source>
        <translation>H%1</translation>
    </message>
    <message>
        <source>Min%1</source>
        <translation>T%1</translation>
    </message>
    <message>
        <source>I%1</source>
        <translation>W%1</translation>
    </message>
    <message>
        <source>X%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>%1(%2; %3)</source>
        <translation>%1(%2|%3)</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::AccessibleNames</name>
    <message>
        <source>Move left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Shifts the visible part of the plane to the left (Left arrow on the drawing)</source>
        <translation>Verschiebt den sichtbaren Ausschnitt nach links (Pfeil links auf der Zeichnung)</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Shifts the visible part of the plane upwards (Up arrow on the drawing)</source>
        <translation>Verschiebt den sichtbaren Ausschnitt nach oben (Pfeil hoch auf der Zeichnung)</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Shifts the visible part of the plane downwards (Down arrow on the drawing)</source>
        <translation>Verschiebt den sichtbaren Ausschnitt nach unten (Pfeil runter auf der Zeichnung)</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Shifts the visible part of the plane to the right (Right arrow on the drawing)</source>
        <translation>Verschiebt den sichtbaren Ausschnitt nach rechts (Pfeil rechts auf der Zeichnung)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Shows a smaller part of the plane, larger (Ctrl++)</source>
        <translation>Zeigt einen kleineren Ausschnitt größer (Strg++)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Shows a larger part of the plane, smaller (Ctrl+-)</source>
        <translation>Zeigt einen größeren Ausschnitt kleiner (Strg+-)</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <source>Shows x from -6 to 6 with equal scales on both axes (Space, Ctrl+0)</source>
        <translation>Zeigt x von -6 bis 6 mit gleichen Maßstäben auf beiden Achsen (Leertaste, Strg+0)</translation>
    </message>
    <message>
        <source>Graph width</source>
        <translation>Graphenbreite</translation>
    </message>
    <message>
        <source>Line width of the graphs, 1 to 6; the Up and Down keys step it</source>
        <translation>Linienbreite der Graphen, 1 bis 6; die Pfeiltasten hoch und runter ändern sie schrittweise</translation>
    </message>
    <message>
        <source>Graph width stepper</source>
        <translation>Graphenbreite schrittweise</translation>
    </message>
    <message>
        <source>Makes the graphs one step thicker or thinner</source>
        <translation>Macht die Graphen eine Stufe dicker oder dünner</translation>
    </message>
    <message>
        <source>1st derivative</source>
        <translation>1. Ableitung</translation>
    </message>
    <message>
        <source>Draws the curve of the first derivative of the analysed term</source>
        <translation>Zeichnet den Graphen der ersten Ableitung des untersuchten Terms</translation>
    </message>
    <message>
        <source>2nd derivative</source>
        <translation>2. Ableitung</translation>
    </message>
    <message>
        <source>Draws the curve of the second derivative of the analysed term</source>
        <translation>Zeichnet den Graphen der zweiten Ableitung des untersuchten Terms</translation>
    </message>
    <message>
        <source>Zeros</source>
        <translation>Nullstellen</translation>
    </message>
    <message>
        <source>Marks and lists the zeros of the analysed term</source>
        <translation>Markiert die Nullstellen des untersuchten Terms und listet sie auf</translation>
    </message>
    <message>
        <source>Extrema</source>
        <translation>Extrema</translation>
    </message>
    <message>
        <source>Marks and lists the maxima and minima of the analysed term</source>
        <translation>Markiert die Hoch- und Tiefpunkte des untersuchten Terms und listet sie auf</translation>
    </message>
    <message>
        <source>Inflection points</source>
        <translation>Wendepunkte</translation>
    </message>
    <message>
        <source>Marks and lists the inflection points of the analysed term</source>
        <translation>Markiert die Wendepunkte des untersuchten Terms und listet sie auf</translation>
    </message>
    <message>
        <source>Inflection tangents</source>
        <translation>Wendetangenten</translation>
    </message>
    <message>
        <source>Draws the tangents at the inflection points</source>
        <translation>Zeichnet die Tangenten in den Wendepunkten</translation>
    </message>
    <message>
        <source>Antiderivative</source>
        <translation>Stammfunktion</translation>
    </message>
    <message>
        <source>Draws an antiderivative of the analysed term</source>
        <translation>Zeichnet eine Stammfunktion des untersuchten Terms</translation>
    </message>
    <message>
        <source>Intersection points</source>
        <translation>Schnittpunkte</translation>
    </message>
    <message>
        <source>Marks and lists where the analysed term meets f2</source>
        <translation>Markiert die Schnittpunkte des untersuchten Terms mit f2 und listet sie auf</translation>
    </message>
    <message>
        <source>Show points</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Writes the points found at the bottom of the drawing</source>
        <translation>Schreibt die gefundenen Punkte unten in die Zeichnung</translation>
    </message>
    <message>
        <source>Domain from</source>
        <translation>Definitionsbereich von</translation>
    </message>
    <message>
        <source>The graphs are drawn for x above this value</source>
        <translation>Die Graphen werden für x oberhalb dieses Wertes gezeichnet</translation>
    </message>
    <message>
        <source>Domain to</source>
        <translation>Definitionsbereich bis</translation>
    </message>
    <message>
        <source>The graphs are drawn for x below this value</source>
        <translation>Die Graphen werden für x unterhalb dieses Wertes gezeichnet</translation>
    </message>
    <message>
        <source>Parameter P</source>
        <translation>Parameter P</translation>
    </message>
    <message>
        <source>The value of P in the terms; the Up and Down keys step it</source>
        <translation>Der Wert von P in den Termen; die Pfeiltasten hoch und runter ändern ihn schrittweise</translation>
    </message>
    <message>
        <source>Parameter P stepper</source>
        <translation>Parameter P schrittweise</translation>
    </message>
    <message>
        <source>Makes P one step larger or smaller and draws again</source>
        <translation>Macht P eine Stufe größer oder kleiner und zeichnet neu</translation>
    </message>
    <message>
        <source>Parameter Q</source>
        <translation>Parameter Q</translation>
    </message>
    <message>
        <source>The value of Q in the terms and the last P of the array of functions</source>
        <translation>Der Wert von Q in den Termen und das letzte P der Kurvenschar</translation>
    </message>
    <message>
        <source>Parameter Q stepper</source>
        <translation>Parameter Q schrittweise</translation>
    </message>
    <message>
        <source>Makes Q one step larger or smaller and draws again</source>
        <translation>Macht Q eine Stufe größer oder kleiner und zeichnet neu</translation>
    </message>
    <message>
        <source>Array of functions</source>
        <translation>Kurvenschar</translation>
    </message>
    <message>
        <source>Draws the term for P from its value up to Q in steps of d</source>
        <translation>Zeichnet den Term für P von seinem Wert bis Q in Schritten von d</translation>
    </message>
    <message>
        <source>Step d of the array of functions</source>
        <translation>Schrittweite d der Kurvenschar</translation>
    </message>
    <message>
        <source>The step of P between two curves of the array</source>
        <translation>Der Abstand von P zwischen zwei Kurven der Schar</translation>
    </message>
    <message>
        <source>Point A</source>
        <translation>Punkt A</translation>
    </message>
    <message>
        <source>Marks point A on the graph; drag it with the mouse</source>
        <translation>Markiert den Punkt A auf dem Graphen; mit der Maus verschiebbar</translation>
    </message>
    <message>
        <source>x of point A</source>
        <translation>x von Punkt A</translation>
    </message>
    <message>
        <source>The abscissa of point A; the Up and Down keys step it</source>
        <translation>Die x-Koordinate von Punkt A; die Pfeiltasten hoch und runter ändern sie schrittweise</translation>
    </message>
    <message>
        <source>Point A stepper</source>
        <translation>Punkt A schrittweise</translation>
    </message>
    <message>
        <source>Moves point A one step to the right or left</source>
        <translation>Verschiebt Punkt A um einen Schritt nach rechts oder links</translation>
    </message>
    <message>
        <source>Point B</source>
        <translation>Punkt B</translation>
    </message>
    <message>
        <source>Marks point B on the graph; drag it with the mouse</source>
        <translation>Markiert den Punkt B auf dem Graphen; mit der Maus verschiebbar</translation>
    </message>
    <message>
        <source>x of point B</source>
        <translation>x von Punkt B</translation>
    </message>
    <message>
        <source>The abscissa of point B; the Up and Down keys step it</source>
        <translation>Die x-Koordinate von Punkt B; die Pfeiltasten hoch und runter ändern sie schrittweise</translation>
    </message>
    <message>
        <source>Point B stepper</source>
        <translation>Punkt B schrittweise</translation>
    </message>
    <message>
        <source>Moves point B one step to the right or left</source>
        <translation>Verschiebt Punkt B um einen Schritt nach rechts oder links</translation>
    </message>
    <message>
        <source>Tangent at A</source>
        <translation>Tangente in A</translation>
    </message>
    <message>
        <source>Draws the tangent to the graph at point A</source>
        <translation>Zeichnet die Tangente an den Graphen im Punkt A</translation>
    </message>
    <message>
        <source>Normal at A</source>
        <translation>Normale in A</translation>
    </message>
    <message>
        <source>Draws the normal to the graph at point A</source>
        <translation>Zeichnet die Normale zum Graphen im Punkt A</translation>
    </message>
    <message>
        <source>Secant AB</source>
        <translation>Sekante AB</translation>
    </message>
    <message>
        <source>Draws the line through the points A and B</source>
        <translation>Zeichnet die Gerade durch die Punkte A und B</translation>
    </message>
    <message>
        <source>Integral AB</source>
        <translation>Integral AB</translation>
    </message>
    <message>
        <source>Hatches the area from A to B and gives the definite integral and the area</source>
        <translation>Schraffiert die Fläche von A bis B und gibt das bestimmte Integral und den Flächeninhalt an</translation>
    </message>
    <message>
        <source>Animate point A</source>
        <translation>Punkt A animieren</translation>
    </message>
    <message>
        <source>The animation moves point A</source>
        <translation>Die Animation bewegt den Punkt A</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Starts or stops the animation of the chosen value (F2)</source>
        <translation>Startet oder beendet die Animation des gewählten Wertes (F2)</translation>
    </message>
    <message>
        <source>Animate point B</source>
        <translation>Punkt B animieren</translation>
    </message>
    <message>
        <source>The animation moves point B</source>
        <translation>Die Animation bewegt den Punkt B</translation>
    </message>
    <message>
        <source>Animate parameter P</source>
        <translation>Parameter P animieren</translation>
    </message>
    <message>
        <source>The animation changes the parameter P</source>
        <translation>Die Animation verändert den Parameter P</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Start of the animation and of the search for points</source>
        <translation>Anfang der Animation und der Punktsuche</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>End of the animation and of the search for points</source>
        <translation>Ende der Animation und der Punktsuche</translation>
    </message>
    <message>
        <source>Animation step</source>
        <translation>Schrittweite der Animation</translation>
    </message>
    <message>
        <source>How much the animated value changes at each step</source>
        <translation>Um wie viel sich der animierte Wert bei jedem Schritt ändert</translation>
    </message>
    <message>
        <source>Value table in list</source>
        <translation>Wertetabelle in Liste</translation>
    </message>
    <message>
        <source>Adds a table of values of the analysed term to the result list</source>
        <translation>Fügt der Ergebnisliste eine Wertetabelle des untersuchten Terms hinzu</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Draws the checked terms (Enter)</source>
        <translation>Zeichnet die angekreuzten Terme (Eingabetaste)</translation>
    </message>
    <message>
        <source>Result List</source>
        <translation>Ergebnisliste</translation>
    </message>
    <message>
        <source>Shows the list of results beside the drawing</source>
        <translation>Zeigt die Liste der Ergebnisse neben der Zeichnung</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>The terms, derivatives, integrals and points found, as text</source>
        <translation>Die Terme, Ableitungen, Integrale und gefundenen Punkte als Text</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>The coordinate system with the graphs</source>
        <translation>Das Koordinatensystem mit den Graphen</translation>
    </message>
    <message>
        <source>First derivative of f1</source>
        <translation>Erste Ableitung von f1</translation>
    </message>
    <message>
        <source>Writes the derivative of f1 into f3 and draws it</source>
        <translation>Schreibt die Ableitung von f1 in f3 und zeichnet sie</translation>
    </message>
    <message>
        <source>Second derivative of f1</source>
        <translation>Zweite Ableitung von f1</translation>
    </message>
    <message>
        <source>Writes the second derivative of f1 into f4 and draws it</source>
        <translation>Schreibt die zweite Ableitung von f1 in f4 und zeichnet sie</translation>
    </message>
    <message>
        <source>Term %1(x)</source>
        <translation>Term %1(x)</translation>
    </message>
    <message>
        <source>The term %1 in the variable X; Enter draws it</source>
        <translation>Der Term %1 in der Variablen X; die Eingabetaste zeichnet ihn</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>%1 zeichnen</translation>
    </message>
    <message>
        <source>Draws the term %1 when checked</source>
        <translation>Zeichnet den Term %1, wenn angekreuzt</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 hoch</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 runter</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>f%1(x) = %2, %3</source>
        <translation>f%1(x) = %2, %3</translation>
    </message>
    <message>
        <source>No curve drawn</source>
        <translation>Keine Kurve gezeichnet</translation>
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
        <source>Bitmap (*.bmp)</source>
        <translation>Abbildung (*.bmp)</translation>
    </message>
    <message>
        <source>16-colour bitmap (*.bmp)</source>
        <translation>16 Farben-Abbildung (*.bmp)</translation>
    </message>
    <message>
        <source>GIF picture (*.gif)</source>
        <translation>Abbildung (*.gif)</translation>
    </message>
    <message>
        <source>Vector graphic (*.wmf)</source>
        <translation>Vektorgrafik (*.wmf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Abbildung (*.png)</translation>
    </message>
    <message>
        <source>SVG vector graphic (*.svg)</source>
        <translation>SVG-Vektorgrafik (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
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
    <name>plotwerk::ui::Recovery</name>
    <message>
        <source>The lesson kept from the last run cannot be restored and was discarded:
%1</source>
        <translation>Die vom letzten Lauf aufbewahrte Stunde kann nicht wiederhergestellt werden und wurde verworfen:
%1</translation>
    </message>
    <message>
        <source>Restore the lesson of %1?</source>
        <translation>Die Stunde von %1 wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>plotwerk::ui::AboutWindow</name>
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
    <name>plotwerk::ui::MainWindow</name>
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
    <message>
        <source>Label points</source>
        <translation>Punkte beschriften</translation>
    </message>
    <message>
        <source>Window...</source>
        <translation>Fenster...</translation>
    </message>
    <message>
        <source>Analyse the first plotted term</source>
        <translation>Den ersten gezeichneten Term untersuchen</translation>
    </message>
    <message>
        <source>Analyse f1</source>
        <translation>f1 untersuchen</translation>
    </message>
    <message>
        <source>Analyse f2</source>
        <translation>f2 untersuchen</translation>
    </message>
    <message>
        <source>Analyse f3</source>
        <translation>f3 untersuchen</translation>
    </message>
    <message>
        <source>Analyse f4</source>
        <translation>f4 untersuchen</translation>
    </message>
    <message>
        <source>The term the searches, marks, tangents and areas work on</source>
        <translation>Der Term, den Suche, Markierungen, Tangenten und Flächen verwenden</translation>
    </message>
    <message>
        <source>Analysed term</source>
        <translation>Untersuchter Term</translation>
    </message>
    <message>
        <source>Print page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Print page...</source>
        <translation>Seite drucken...</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
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
    <name>plotwerk::ui::ViewDialog</name>
    <message>
        <source>x from</source>
        <translation>x von</translation>
    </message>
    <message>
        <source>x to</source>
        <translation>x bis</translation>
    </message>
    <message>
        <source>y from</source>
        <translation>y von</translation>
    </message>
    <message>
        <source>y to</source>
        <translation>y bis</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Equal scales (y follows from x)</source>
        <translation>Gleiche Einheiten (y folgt aus x)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Tick spacing x</source>
        <translation>Skalenabstand x</translation>
    </message>
    <message>
        <source>Tick spacing y</source>
        <translation>Skalenabstand y</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>The tick spacing of %1 is not a positive number</source>
        <translation>Der Skalenabstand von %1 ist keine positive Zahl</translation>
    </message>
    <message>
        <source>x from must lie below x to and y from below y to, by at least 0,000001, and no bound beyond 10^15</source>
        <translation>x von muss unter x bis und y von unter y bis liegen, um mindestens 0,000001, und keine Grenze jenseits von 10^15</translation>
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
