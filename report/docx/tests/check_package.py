#!/usr/bin/env python3
"""Checks a .docx as Word reads it: the ZIP's entries and their CRC-32s,
a content type for every part, every relationship's target there, every
XML part well-formed, and each part related by a type whose content type
it has. Exit status 1 and a line for each fault; 0 when there are none."""
import posixpath
import sys
import zipfile
from xml.dom import minidom

PACKAGE = 'http://schemas.openxmlformats.org/package/2006/'
RELATIONSHIP = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
WORD = 'application/vnd.openxmlformats-officedocument.wordprocessingml.'
# What a relationship of each type must point at.
CONTENT_OF = {
    'officeDocument': WORD + 'document.main+xml',
    'styles': WORD + 'styles+xml',
    'settings': WORD + 'settings+xml',
    'numbering': WORD + 'numbering+xml',
    'header': WORD + 'header+xml',
    'footer': WORD + 'footer+xml',
}

faults = []
archive = zipfile.ZipFile(sys.argv[1])
bad = archive.testzip()
if bad:
    faults.append(f'{bad}: its CRC-32 is not that of its bytes')
parts = {info.filename: archive.read(info.filename) for info in archive.infolist()}

documents = {}
for name, data in parts.items():
    if name.endswith('.xml') or name.endswith('.rels'):
        try:
            documents[name] = minidom.parseString(data)
        except Exception as error:  # any parser error is a fault of the part
            faults.append(f'{name}: not well-formed: {error}')

types = documents.get('[Content_Types].xml')
defaults, overrides = {}, {}
if types is None:
    faults.append('no [Content_Types].xml')
else:
    for element in types.getElementsByTagNameNS(PACKAGE + 'content-types', 'Default'):
        defaults[element.getAttribute('Extension').lower()] = element.getAttribute('ContentType')
    for element in types.getElementsByTagNameNS(PACKAGE + 'content-types', 'Override'):
        overrides[element.getAttribute('PartName').lstrip('/')] = element.getAttribute('ContentType')
for name in overrides:
    if name not in parts:
        faults.append(f'[Content_Types].xml names /{name}, which is not there')


def content_type(name):
    last = posixpath.basename(name)  # .rels is an extension, not a hidden name
    return overrides.get(name) or (defaults.get(last.rsplit('.', 1)[1].lower()) if '.' in last else None)


for name in parts:
    if name != '[Content_Types].xml' and not name.endswith('/') and content_type(name) is None:
        faults.append(f'{name}: no content type')

if '_rels/.rels' not in parts:
    faults.append('no _rels/.rels')
for name, document in documents.items():
    if not name.endswith('.rels'):
        continue
    folder = posixpath.dirname(posixpath.dirname(name))  # word/_rels/document.xml.rels: word
    for relation in document.getElementsByTagNameNS(PACKAGE + 'relationships', 'Relationship'):
        if relation.getAttribute('TargetMode') == 'External':
            continue
        target = relation.getAttribute('Target')
        path = target.lstrip('/') if target.startswith('/') else posixpath.normpath(posixpath.join(folder, target))
        kind = relation.getAttribute('Type')
        if path not in parts:
            faults.append(f'{name}: {relation.getAttribute("Id")} points at {target}, which is not there')
        elif kind.startswith(RELATIONSHIP) and kind[len(RELATIONSHIP):] in CONTENT_OF:
            wanted = CONTENT_OF[kind[len(RELATIONSHIP):]]
            if content_type(path) != wanted:
                faults.append(f'{path}: content type {content_type(path)}, not {wanted}')

for fault in faults:
    print('FAIL: ' + fault)
print(f'{len(parts)} parts, {len(faults)} faults')
sys.exit(1 if faults else 0)
