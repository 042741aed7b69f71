// The page's language: English, or German from the window's translation file, chosen by
// ?lang=en|de in the address or else by the browser's languages.

// Texts only the page has (the window has no such menu items), in German.
const PAGE_GERMAN = {
  'Worksheet': 'Arbeitsblatt',
  'Open worksheet...': 'Arbeitsblatt öffnen...',
  'Save worksheet...': 'Arbeitsblatt speichern...',
  'Copy link to this worksheet': 'Link zu diesem Arbeitsblatt kopieren',
  'Menu': 'Menü',
  'Options': 'Optionen',
  'Terms': 'Terme',
  'Graphs of the functions': 'Graphen der Funktionen',
  'Shift left': 'Nach links', 'Shift right': 'Nach rechts', 'Shift up': 'Nach oben', 'Shift down': 'Nach unten',
  'Zoom out': 'Herauszoomen',
  'Graph width stepper': 'Graphenbreite einstellen',
  'Domain end': 'Ende des Bereichs',
  'Step of the array': 'Schrittweite der Schar',
  'x of A': 'x von A', 'x of B': 'x von B',
  'What the animation moves': 'Was die Animation bewegt',
  'Close': 'Schließen',
  'from': 'von', 'to': 'bis',
  'Cannot open the worksheet: %1': 'Das Arbeitsblatt kann nicht geöffnet werden: %1',
  'Worksheet: %1': 'Arbeitsblatt: %1',
  'The link is in the clipboard.': 'Der Link ist in der Zwischenablage.',
  'This page has no worksheet support in this build.': 'Diese Ausgabe der Seite kann keine Arbeitsblätter lesen.',
  '%1: no derivative': '%1: keine Ableitung',
  'the derivative would be too long': 'die Ableitung wäre zu lang',
};

export function chooseLanguage() {
  const asked = new URLSearchParams(location.search).get('lang');
  if (asked === 'en' || asked === 'de') return asked;
  for (const language of navigator.languages || [navigator.language || 'en']) {
    if (language.toLowerCase().startsWith('de')) return 'de';
    if (language.toLowerCase().startsWith('en')) return 'en';
  }
  return 'en';
}

export class Texts {
  constructor(language, catalogue) {
    this.language = language;
    this.catalogue = catalogue || {};
  }

  // The text in the page's language, with %1, %2, ... filled in.
  tr(context, english, ...args) {
    let text = english;
    if (this.language === 'de') {
      text = this.catalogue[context]?.[english] ?? PAGE_GERMAN[english] ?? english;
    }
    return args.reduce((t, a, k) => t.replace(`%${k + 1}`, a), text);
  }

  // English and German phrase pairs of the plot core, for the core's catalogue.
  corePairs() {
    if (this.language !== 'de') return [];
    return Object.entries(this.catalogue['plotwerk::plot'] || {}).flat();
  }

  // A caption of the page: as the main window words it, else as another part of the program does.
  caption(english) {
    const window = this.catalogue['plotwerk::ui::MainWindow']?.[english];
    if (window !== undefined) return window;
    for (const table of Object.values(this.catalogue)) {
      if (table[english] !== undefined) return table[english];
    }
    return PAGE_GERMAN[english] ?? english;
  }

  translatePage(root) {
    document.documentElement.lang = this.language;
    if (this.language === 'en') return;
    for (const el of root.querySelectorAll('[data-i18n]')) el.textContent = this.caption(el.dataset.i18n);
    for (const el of root.querySelectorAll('[data-i18n-label]')) el.setAttribute('aria-label', this.caption(el.dataset.i18nLabel));
    document.title = this.caption(document.title);
  }
}

export async function loadTexts() {
  const language = chooseLanguage();
  if (language !== 'de') return new Texts('en');
  const response = await fetch('strings_de.json');
  return new Texts('de', response.ok ? await response.json() : {});
}
