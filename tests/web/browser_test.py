#!/usr/bin/python3
"""The browser edition in headless Chromium: the page's result list against plotwerk-cli analyse
for a table of scenes, worksheets both ways, field marks, navigation, colours, the language, no
request outside the page's origin, and the offline copy with the server gone.

usage: browser_test.py SITE_DIR PLOTWERK_CLI [--bench]
"""
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import traceback

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PAGE_TIMEOUT_S = 30

# Each scene: the controls set through the page's form (the same names as --set).
SCENES = [
    ('default scene', {}),
    ('cubic, every search', {'ed_f1': 'X^3-12*X', 'c_nullstellen': '1', 'c_extrema': '1', 'c_wendepunkte': '1'}),
    ('cubic, every search, intersections with f2',
     {'ed_f1': 'X^3-12*X', 'c_f2': '1', 'ed_f2': '2*X+1', 'c_nullstellen': '1', 'c_extrema': '1',
      'c_wendepunkte': '1', 'c_schnittpunkte': '1'}),
    ('square root of two', {'ed_f1': 'X^2-2', 'c_nullstellen': '1'}),
    ('school reading: bell curve, implicit products, Q',
     {'ed_f1': 'EXP(-(X-1)^2)', 'c_f2': '1', 'ed_f2': 'Q*X^2-2X', 'ed_q': '0,5', 'c_extrema': '1',
      'c_wendepunkte': '1'}),
    ('analysed term f2, labelled points',
     {'ed_f1': 'X^2-4', 'c_f2': '1', 'ed_f2': 'X^3-3X', 'cb_analyse': '2', 'm_punktnamen': '1',
      'c_nullstellen': '1', 'c_extrema': '1', 'c_schnittpunkte': '1'}),
    ('search interval', {'ed_f1': 'SIN(X)', 'ed_von': '-10', 'ed_bis': '10', 'c_nullstellen': '1', 'c_extrema': '1'}),
    ('parameter P', {'ed_f1': 'X^2-P', 'ed_parameter': '3', 'c_nullstellen': '1', 'c_extrema': '1'}),
    ('parameters P and Q', {'ed_f1': 'P*X^2+Q*X-1', 'ed_parameter': '0,5', 'ed_q': '-1,5', 'c_nullstellen': '1'}),
    ('integral A to B', {'ed_f1': 'X^2', 'c_punktA': '1', 'ed_A': '-1', 'c_punktB': '1', 'ed_B': '2', 'c_integral': '1'}),
    ('integral with sign change', {'ed_f1': 'X^3-X', 'ed_A': '-2', 'ed_B': '1,5', 'c_punktA': '1', 'c_punktB': '1',
                                   'c_integral': '1', 'c_nullstellen': '1'}),
    ('integral between f1 and f2', {'ed_f1': 'X^2', 'c_f2': '1', 'ed_f2': 'X+2', 'ed_A': '-1', 'ed_B': '2',
                                    'c_punktA': '1', 'c_punktB': '1', 'c_integral': '1', 'c_schnittpunkte': '1'}),
    ('tangent, normal and secant', {'ed_f1': 'X^2/4-2', 'c_punktA': '1', 'ed_A': '1,5', 'c_punktB': '1', 'ed_B': '-2',
                                    'c_tangente': '1', 'c_normale': '1', 'c_sekante': '1'}),
    ('value table', {'ed_f1': 'X^2-1', 'c_wertetabelle': '1', 'c_ergebnisliste': '1'}),
    ('value table of a pole', {'ed_f1': '1/X', 'c_wertetabelle': '1', 'c_ergebnisliste': '1', 'c_extrema': '1'}),
    ('exponential and logarithm', {'ed_f1': 'EXP(X)-2', 'c_f2': '1', 'ed_f2': 'LN(X)', 'c_nullstellen': '1',
                                   'c_schnittpunkte': '1'}),
    ('square root domain', {'ed_f1': 'SQRT(X)-1', 'c_nullstellen': '1', 'c_extrema': '1'}),
    ('absolute value', {'ed_f1': 'ABS(X)-1', 'c_nullstellen': '1', 'c_extrema': '1'}),
    ('derivative curves', {'ed_f1': 'X^3-3*X', 'c_1ableitung': '1', 'c_2ableitung': '1', 'c_extrema': '1'}),
    ('antiderivative', {'ed_f1': 'COS(X)', 'c_stammfunktion': '1', 'c_nullstellen': '1'}),
    ('family of curves', {'ed_f1': 'X^2+P', 'c_schar': '1', 'ed_schardiff': '0,5', 'c_nullstellen': '1'}),
    ('inflection tangent', {'ed_f1': 'X^3-3*X^2+1', 'c_wendepunkte': '1', 'c_wendetangente': '1'}),
    ('special functions', {'ed_f1': 'X^2-2*X', 'spiegelungxachse': '1', 'verschiebungyachse': '1',
                           'funktionsaddition': '1', 'c_f2': '1', 'Umkehrkurvezuf1x1': '1', 'c_nullstellen': '1'}),
    ('domain of the graphs', {'ed_f1': 'X^4-4*X^2+1', 'ed_xvon': '-1', 'ed_xbis': '3', 'c_nullstellen': '1',
                              'c_extrema': '1', 'c_wendepunkte': '1'}),
    ('four terms', {'ed_f1': 'SIN(X)', 'c_f2': '1', 'ed_f2': 'COS(X)', 'ed_f3': 'X/2', 'ed_f4': '-X^2+3',
                    'c_schnittpunkte': '1'}),
    ('unreadable term', {'ed_f1': 'X+*2', 'c_nullstellen': '1'}),
    ('everything on', {'ed_f1': 'X^3/4-2*X+1', 'c_f2': '1', 'c_1ableitung': '1', 'c_2ableitung': '1',
                       'c_nullstellen': '1', 'c_extrema': '1', 'c_wendepunkte': '1', 'c_wendetangente': '1',
                       'c_stammfunktion': '1', 'c_schnittpunkte': '1', 'c_pktanzeige': '1', 'c_punktA': '1',
                       'c_punktB': '1', 'c_tangente': '1', 'c_normale': '1', 'c_sekante': '1', 'c_integral': '1',
                       'c_wertetabelle': '1', 'c_ergebnisliste': '1', 'c_schar': '1', 'UpDown1': '2'}),
    ('no colours, no labels, frame', {'ed_f1': 'X^2-3', 'm_farbe': '0', 'm_terme': '0', 'M_rahmen': '1',
                                      'm_raster': '0', 'c_nullstellen': '1'}),
]

# The benchmark scenes: every analysis and construction on f1 and f2; and the scene of the
# window's BM_Redraw_AllOptions (four terms, every derived curve, family, every grid option).
EVERY_ANALYSIS = SCENES[-2][1]
ALL_OPTIONS = {'c_f2': '1', 'ed_f3': '1/X', 'ed_f4': 'TAN(X)*SQRT(X)', 'ed_xvon': '-1000000000000',
               'c_1ableitung': '1', 'c_2ableitung': '1', 'c_schar': '1', 'spiegelungxachse': '1',
               'spiegelungyachse': '1', 'spiegelungursprung': '1', 'nacheinanderausfuehrung': '1',
               'verschiebungxachse': '1', 'streckungxachse': '1', 'verschiebungyachse': '1', 'streckungyachse': '1',
               'Umkehrkurvezuf1x1': '1', 'm_mmraster': '1', 'M_rahmen': '1', 'MAchsen21': '1'}


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class Server:
    def __init__(self, site):
        self.port = free_port()
        self.process = subprocess.Popen([sys.executable, os.path.join(ROOT, 'web', 'serve.py'), site, str(self.port)])
        for _ in range(100):
            try:
                socket.create_connection(('127.0.0.1', self.port), timeout=0.2).close()
                return
            except OSError:
                time.sleep(0.05)
        raise RuntimeError('the page server did not start')

    @property
    def url(self):
        return f'http://127.0.0.1:{self.port}/'

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)


def start_browser(profile, downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--disable-dev-shm-usage', f'--user-data-dir={profile}', '--window-size=1280,900',
                 '--lang=en-US'):
        options.add_argument(flag)
    options.add_experimental_option('prefs', {'download.default_directory': downloads,
                                              'download.prompt_for_download': False})
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, PAGE_TIMEOUT_S).until(
        lambda d: d.execute_script("return document.body && document.body.dataset.ready === '1'"))


SET_CONTROLS = """
const [settings] = arguments;
for (const [name, value] of Object.entries(settings)) {
  const el = document.getElementById(name);
  if (!el) throw new Error('no form element ' + name);
  if (el.type === 'checkbox' || el.type === 'radio') {
    if (el.checked !== (value === '1')) el.click();
  } else {
    el.focus();
    el.value = value;
    el.dispatchEvent(new Event('input', {bubbles: true}));
    el.blur();
  }
}
document.getElementById('draw').click();
const p = window.plotwerk;
return {lines: document.getElementById('result-list').textContent, view: p.core.view(),
        width: p.state.width, height: p.state.height};
"""


def cli_analyse(cli, settings, width, height, view, worksheet=None):
    args = [cli, 'analyse', '--width', str(width), '--height', str(height)]
    if view is not None:
        args += ['--view', ','.join(repr(float(v)) for v in view)]
    if worksheet:
        args += ['--worksheet', worksheet]
    for name, value in settings.items():
        args += ['--set', f'{name}={value}']
    done = subprocess.run(args, capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        raise AssertionError(f'plotwerk-cli failed: {done.stderr}')
    return done.stdout


class Failures:
    def __init__(self):
        self.items = []

    def check(self, ok, what):
        if not ok:
            self.items.append(what)
            print(f'FAIL: {what}')


def compare_lines(failures, what, page_text, cli_text):
    page_lines, cli_lines = page_text.splitlines(), cli_text.splitlines()
    if page_lines == cli_lines:
        return
    for k, (a, b) in enumerate(zip(page_lines, cli_lines)):
        if a != b:
            failures.check(False, f'{what}: line {k + 1}: page {a!r}, plotwerk-cli {b!r}')
            return
    failures.check(False, f'{what}: page has {len(page_lines)} lines, plotwerk-cli {len(cli_lines)}')


def test_scene_table(driver, url, cli, failures):
    for name, settings in SCENES:
        open_page(driver, url + '?lang=en')
        got = driver.execute_script(SET_CONTROLS, settings)
        expected = cli_analyse(cli, settings, got['width'], got['height'], got['view'])
        # An unreadable term is not drawn, so its list is empty in both.
        failures.check(len(got['lines'].splitlines()) > 0 or not expected.strip(), f'{name}: empty result list')
        compare_lines(failures, name, got['lines'], expected)
    print(f'scene table: {len(SCENES)} scenes compared')


def test_worksheets(driver, url, cli, failures, downloads, scratch):
    open_page(driver, url + '?lang=en')
    if not driver.execute_script('return window.plotwerk.hasWorksheets'):
        failures.check(False, 'the page has no worksheet binding')
        return
    settings = {'ed_f1': 'X^3-12*X', 'c_nullstellen': '1', 'c_extrema': '1', 'ed_parameter': '2',
                'c_integral': '1', 'ed_A': '-1', 'ed_B': '3', 'c_ergebnisliste': '1'}
    # plotwerk-cli writes, the page reads.
    sheet = os.path.join(scratch, 'from-cli.plotwerk')
    picture = os.path.join(scratch, 'from-cli.png')
    args = [cli, 'render', '--out', picture, '--save-worksheet', sheet]
    for k, v in settings.items():
        args += ['--set', f'{k}={v}']
    done = subprocess.run(args, capture_output=True, text=True, timeout=60)
    failures.check(done.returncode == 0, f'render --save-worksheet failed: {done.stderr}')
    with open(sheet, encoding='utf-8') as f:
        text = f.read()
    got = driver.execute_script(
        'window.plotwerk.openWorksheetText(arguments[0], "x"); const p = window.plotwerk;'
        'return {lines: document.getElementById("result-list").textContent, width: p.state.width,'
        ' height: p.state.height};', text)
    expected = cli_analyse(cli, {}, got['width'], got['height'], None, worksheet=sheet)
    compare_lines(failures, 'worksheet from plotwerk-cli', got['lines'], expected)
    # The page writes (by its download), plotwerk-cli reads.
    open_page(driver, url + '?lang=en')
    page = driver.execute_script(SET_CONTROLS, settings)
    for f in os.listdir(downloads):
        os.remove(os.path.join(downloads, f))
    driver.find_element(By.CSS_SELECTOR, 'details.menu summary').click()
    driver.find_element(By.ID, 'worksheet-save').click()
    saved = os.path.join(downloads, 'worksheet.plotwerk')
    for _ in range(100):
        if os.path.exists(saved):
            break
        time.sleep(0.05)
    failures.check(os.path.exists(saved), 'the page saved no worksheet')
    if os.path.exists(saved):
        out = os.path.join(scratch, 'from-page.bmp')
        done = subprocess.run([cli, 'render', '--worksheet', saved, '--width', str(page['width']), '--height',
                               str(page['height']), '--out', out], capture_output=True, text=True, timeout=60)
        failures.check(done.returncode == 0, f'plotwerk-cli cannot render the page worksheet: {done.stderr}')
        compare_lines(failures, 'worksheet from the page', page['lines'], done.stdout)
        with open(out, 'rb') as f:
            header = f.read(26)
        size = (int.from_bytes(header[18:22], 'little', signed=True), abs(int.from_bytes(header[22:26], 'little', signed=True)))
        failures.check(size == (page['width'], page['height']), f'picture size {size}, page {page["width"]}x{page["height"]}')
    # A link with the worksheet in its address.
    link = url + '?lang=en#worksheet=' + __import__('urllib.parse').parse.quote(text)
    open_page(driver, link)
    lines = driver.execute_script('return document.getElementById("result-list").textContent')
    failures.check('X^3-12*X' in lines, 'a #worksheet= link does not open the worksheet')


def test_marks_navigation_colours(driver, url, cli, failures):
    open_page(driver, url + '?lang=en')
    for term in ['X*(2+', 'SIN X', 'X+)', '2..5*X', 'FOO(X)']:
        mark = driver.execute_script("""
            const el = document.getElementById('ed_f2');
            el.value = arguments[0]; el.dispatchEvent(new Event('input', {bubbles: true}));
            return {position: el.dataset.errorPosition, invalid: el.getAttribute('aria-invalid'),
                    message: document.getElementById('ed_f2-error').textContent};""", term)
        done = subprocess.run([cli, 'check', term], capture_output=True, text=True, timeout=30)
        position = done.stdout.split(':')[0]
        failures.check(mark['invalid'] == 'true' and mark['position'] == position,
                       f'field mark of {term!r}: page {mark}, plotwerk-cli {done.stdout.strip()!r}')
        failures.check(mark['message'].startswith(f'position {position}: '), f'mark message {mark["message"]!r}')
    # Dragging pans, the wheel zooms about the pointer.
    view = lambda: driver.execute_script('return window.plotwerk.core.view()')
    before = view()
    picture = driver.find_element(By.ID, 'picture')
    ActionChains(driver).move_to_element(picture).click_and_hold().move_by_offset(80, -40).release().perform()
    after = view()
    failures.check(after[0] < before[0] and after[2] < before[2] and
                   abs((after[1] - after[0]) - (before[1] - before[0])) < 1e-9, f'drag: {before} -> {after}')
    driver.execute_script("""
        const c = document.getElementById('picture'), r = c.getBoundingClientRect();
        c.dispatchEvent(new WheelEvent('wheel', {deltaY: -100, clientX: r.left + 100, clientY: r.top + 100,
                                                 bubbles: true, cancelable: true}));""")
    time.sleep(0.1)
    zoomed = view()
    failures.check(zoomed[1] - zoomed[0] < after[1] - after[0], f'wheel: {after} -> {zoomed}')
    # The curve colours: f1 blue, f2 red (m_farbe), none of them without their terms.
    counts = driver.execute_script(SET_CONTROLS.replace('return {lines', 'const unused = {lines') + """;
        const c = document.getElementById('picture'), ctx = c.getContext('2d');
        const d = ctx.getImageData(0, 0, c.width, c.height).data;
        let blue = 0, red = 0;
        for (let i = 0; i < d.length; i += 4) {
          if (d[i] < 60 && d[i + 1] < 60 && d[i + 2] > 200) blue++;
          if (d[i] > 200 && d[i + 1] < 60 && d[i + 2] < 60) red++;
        }
        return [blue, red];""", {'c_f2': '1', 'ed_f2': 'X^2/4-2', 'UpDown1': '2'})
    failures.check(counts[0] > 500 and counts[1] > 500, f'curve colours on the canvas: blue, red pixels {counts}')


def test_language(driver, url, failures):
    open_page(driver, url + '?lang=de')
    got = driver.execute_script("return [document.getElementById('draw').textContent,"
                                " document.getElementById('result-list').textContent, document.documentElement.lang]")
    failures.check(got[0] == 'Zeichnen' and got[2] == 'de', f'German page: {got[0]!r}, lang {got[2]!r}')
    failures.check(got[1].startswith('Funktion'), f'German result list: {got[1][:40]!r}')
    open_page(driver, url + '?lang=en')
    failures.check(driver.find_element(By.ID, 'draw').text == 'Draw', 'English page')


def requests_made(driver):
    urls = []
    for entry in driver.get_log('performance'):
        message = json.loads(entry['message'])['message']
        if message.get('method') == 'Network.requestWillBeSent':
            urls.append(message['params']['request']['url'])
    return urls


def test_origin_and_offline(driver, server, failures):
    driver.get_log('performance')  # start afresh
    open_page(driver, server.url)
    # Let the service worker install and take over, then load once more through it.
    WebDriverWait(driver, PAGE_TIMEOUT_S).until(lambda d: d.execute_script(
        'return navigator.serviceWorker.controller !== null || (location.reload(), false)'))
    open_page(driver, server.url + '?lang=en')
    outside = [u for u in requests_made(driver)
               if not u.startswith(server.url) and not u.startswith(('data:', 'blob:'))]
    failures.check(not outside, f'requests outside the origin: {outside}')
    server.stop()
    open_page(driver, server.url + '?lang=de')
    got = driver.execute_script(SET_CONTROLS, {'ed_f1': 'X^2-4', 'c_nullstellen': '1'})
    failures.check('2' in got['lines'] and len(got['lines'].splitlines()) >= 2,
                   f'offline: the page does not work without the server: {got["lines"][:80]!r}')


def bench(driver, url):
    """Redraw times (input to painted canvas, and the core's redraw alone), the animation, the
    time to the first picture and the files' sizes, for the closing note."""
    results = {}
    for name, settings in [('default scene', {}), ('every analysis', EVERY_ANALYSIS), ('all options', ALL_OPTIONS)]:
        open_page(driver, url + '?lang=en')
        driver.execute_script(SET_CONTROLS, settings)
        results[name] = driver.execute_script("""
            const p = window.plotwerk, c = document.getElementById('picture').getContext('2d');
            const median = (a) => a.sort((x, y) => x - y)[a.length >> 1];
            const painted = [], core = [];
            for (let k = 0; k < 60; ++k) {
              let t = performance.now();
              p.paint();
              c.getImageData(0, 0, 1, 1);  // waits until the canvas is painted
              painted.push(performance.now() - t);
              t = performance.now();
              p.core.redraw(p.state.width, p.state.height);
              core.push(performance.now() - t);
            }
            const p90 = [...painted].sort((x, y) => x - y)[54];
            return {painted_median_ms: median(painted), painted_p90_ms: p90, core_median_ms: median(core),
                    area: [p.state.width, p.state.height]};""")
    open_page(driver, url + '?lang=en')
    driver.find_element(By.ID, 'b_animation').click()
    time.sleep(4)
    driver.find_element(By.ID, 'b_animation').click()
    results['animation, default scene'] = driver.execute_script(
        'const a = window.plotwerk.animation; return {ticks: a.ticks, late_ticks: a.late,'
        ' seconds: (performance.now() - a.started) / 1000};')
    firsts = []
    for _ in range(5):
        open_page(driver, url + '?lang=en')
        firsts.append(driver.execute_script('return window.plotwerk.firstPictureMs'))
    results['first picture ms (5 loads, warm cache)'] = firsts
    site = sys.argv[1]
    results['files'] = {n: os.path.getsize(os.path.join(site, n)) for n in sorted(os.listdir(site))}
    results['files total'] = sum(results['files'].values())
    print(json.dumps(results, indent=1))


def main():
    site, cli = sys.argv[1], sys.argv[2]
    bench_only = '--bench' in sys.argv
    scratch = tempfile.mkdtemp(prefix='plotwerk-web-')
    downloads = os.path.join(scratch, 'downloads')
    os.makedirs(downloads)
    server = Server(site)
    driver = start_browser(os.path.join(scratch, 'profile'), downloads)
    failures = Failures()
    try:
        if bench_only:
            bench(driver, server.url)
            return 0
        test_scene_table(driver, server.url, cli, failures)
        test_worksheets(driver, server.url, cli, failures, downloads, scratch)
        test_marks_navigation_colours(driver, server.url, cli, failures)
        test_language(driver, server.url, failures)
        test_origin_and_offline(driver, server, failures)
    except Exception:
        traceback.print_exc()
        failures.check(False, 'the browser test stopped with an exception')
    finally:
        driver.quit()
        server.stop()
        shutil.rmtree(scratch, ignore_errors=True)
    if failures.items:
        print(f'browser tests: {len(failures.items)} failures')
        return 1
    print('browser tests: all passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
