#!/usr/bin/python3
"""Reads the compiled help files back with an independent reader (pychm over
chmlib) and checks them against their projects.

Usage: check_help.py PROGDATA_DIR HELP_SOURCE_DIR
"""
import re
import struct
import sys
import unittest

from chm import chm, chmlib

PROGDATA, SOURCE = sys.argv[1], sys.argv[2]
FILES = {"ger": ("vezarovu", 0x407), "eng": ("zodedado", 0x409)}
KEYWORDS = ["a_helmertparameter", "a_farbeinstellung", "a_spracheauswahl", "a_editoreinstellung"]


class Help:
    """One compiled help file: its entries and the texts of its objects."""

    def __init__(self, language):
        name, self.lcid_expected = FILES[language]
        self.file = chm.CHMFile()
        if not self.file.LoadCHM("%s/%s.chm" % (PROGDATA, name)):
            raise AssertionError("cannot open %s.chm" % name)
        self.paths = []

        def collect(_, entry, __):
            self.paths.append(entry.path.decode("cp1252"))
            return chmlib.CHM_ENUMERATOR_CONTINUE

        chmlib.chm_enumerate(self.file.file, chmlib.CHM_ENUMERATE_NORMAL | chmlib.CHM_ENUMERATE_FILES, collect, None)
        with open("%s/%s/%s.hhp" % (SOURCE, language, name), encoding="cp1252") as project:
            self.project_pages = project.read().split("[FILES]")[1].split()

    def read(self, path):
        found, entry = self.file.ResolveObject(path.encode("cp1252"))
        if found != chmlib.CHM_RESOLVE_SUCCESS:
            return None
        return self.file.RetrieveObject(entry)[1]

    def pages(self):
        return sorted(p[1:] for p in self.paths if p.endswith(".htm"))

    def system_entry(self, code):
        """The data of one record of the #SYSTEM object."""
        data = self.read("/#SYSTEM")
        at = 4
        while at + 4 <= len(data):
            record, length = struct.unpack_from("<HH", data, at)
            if record == code:
                return data[at + 4:at + 4 + length]
            at += 4 + length
        return None


class HelpFiles(unittest.TestCase):
    helps = {}

    @classmethod
    def setUpClass(cls):
        cls.helps = {language: Help(language) for language in FILES}

    def test_every_page_of_the_project_is_in_the_file(self):
        for language, help in self.helps.items():
            with self.subTest(language):
                self.assertTrue(help.project_pages)
                for page in help.project_pages:
                    self.assertIsNotNone(help.read("/" + page), page)

    def test_both_files_have_the_same_pages(self):
        self.assertEqual(self.helps["ger"].pages(), self.helps["eng"].pages())

    def test_language_and_default_topic(self):
        for language, help in self.helps.items():
            with self.subTest(language):
                self.assertEqual(struct.unpack("<I", help.system_entry(4)[:4])[0], help.lcid_expected)
                home = help.file.home.decode("cp1252")
                self.assertEqual(home, "/start.htm")
                self.assertIsNotNone(help.read(home))
                for topic in (help.file.topics, help.file.index):
                    self.assertIsNotNone(help.read(topic.decode("cp1252")), topic)

    def test_every_page_is_windows_1252_and_says_so(self):
        for language, help in self.helps.items():
            for page in help.pages():
                with self.subTest(language=language, page=page):
                    text = help.read("/" + page).decode("cp1252")
                    self.assertIn('charset=windows-1252', text)
                    # Not UTF-8 read as Windows-1252.
                    self.assertNotRegex(text, "[\u00c2\u00c3][\u0080-\u00bf\u2018-\u203a]")

    def test_every_link_resolves_inside_the_file(self):
        for language, help in self.helps.items():
            sources = help.pages() + [help.file.topics.decode()[1:], help.file.index.decode()[1:]]
            for source in sources:
                text = help.read("/" + source).decode("cp1252")
                links = re.findall(r'(?:href|src)="([^"#]+)', text, re.I)
                links += re.findall(r'<param name="Local" value="([^"#]+)', text, re.I)
                for link in links:
                    with self.subTest(language=language, source=source, link=link):
                        self.assertNotRegex(link, "^[a-z]+:", "a link leaving the file")
                        self.assertIsNotNone(help.read("/" + link))

    def test_keyword_pages_carry_their_associative_link(self):
        for language, help in self.helps.items():
            for keyword in KEYWORDS:
                with self.subTest(language=language, keyword=keyword):
                    text = help.read("/%s.htm" % keyword)
                    self.assertIsNotNone(text)
                    self.assertRegex(text.decode("cp1252"),
                                     r'(?s)<OBJECT type="application/x-oleobject" classid="clsid:1e2a7bd0-dab9-11d0-b93a-00c04fc99f9e">'
                                     r'\s*<param name="ALink Name" value="%s">\s*</OBJECT>' % keyword)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
