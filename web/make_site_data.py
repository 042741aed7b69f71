#!/usr/bin/env python3
"""Writes the generated parts of the page into the site folder: the German texts taken from the
window's translation file (strings_de.json), and the service worker's list of files with a
version made from their contents (filled into sw.js), so a new build replaces the offline copy."""
import hashlib
import json
import os
import sys
import xml.etree.ElementTree as ET


def german_texts(ts_path):
    texts = {}
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = context.findtext('name')
        table = texts.setdefault(name, {})
        for message in context.iter('message'):
            source = message.findtext('source')
            translation = message.find('translation')
            if source is None or translation is None or translation.get('type') in ('unfinished', 'obsolete'):
                continue
            if translation.text:
                table[source] = translation.text
    return texts


def main():
    ts_path, site = sys.argv[1], sys.argv[2]
    with open(os.path.join(site, 'strings_de.json'), 'w', encoding='utf-8') as f:
        json.dump(german_texts(ts_path), f, ensure_ascii=False, sort_keys=True)
    files = sorted(n for n in os.listdir(site) if n != 'sw.js' and not n.startswith('.'))
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(site, name), 'rb') as f:
            digest.update(name.encode() + b'\0' + f.read())
    worker = os.path.join(site, 'sw.js')
    with open(worker, encoding='utf-8') as f:
        text = f.read()
    text = text.replace('@VERSION@', digest.hexdigest()[:16]).replace('@FILES@', json.dumps(['./'] + files))
    with open(worker, 'w', encoding='utf-8') as f:
        f.write(text)


if __name__ == '__main__':
    main()
