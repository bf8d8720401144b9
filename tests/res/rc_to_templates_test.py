#!/usr/bin/env python3
"""Tests of res/tools/rc_to_templates.py: styles as windres builds them, refused input, output."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "tools"))
import rc_to_templates as gen  # noqa: E402

HEADER = """\
#ifndef TEST_RESOURCE_H
#define TEST_RESOURCE_H
#define IDD_ONE 2000
#define IDD_TWO 2001
#define IDC_BASE 3000
#define IDC_NEXT (IDC_BASE + 2)
#define PAIR WS_BORDER | WS_TABSTOP
#endif
"""

PREAMBLE = """\
#pragma code_page(65001)
#include <windows.h>
#include <commctrl.h>
#include "resource.h"
"""

# Exercises every default and expression form that the generator mirrors from windres.
SAMPLE = PREAMBLE + r'''
IDD_ONE DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_SYSMENU
CAPTION "Caption ""quoted"""
FONT 9, "MS Shell Dlg"
BEGIN
    CONTROL "plain", IDC_BASE, "Static", SS_LEFT, 1, 2, 30, 8
    CONTROL "hidden", IDC_BASE + 1, "Edit", ES_NUMBER | NOT WS_VISIBLE | WS_TABSTOP, 1, 12, 30, 12, WS_EX_CLIENTEDGE
    CONTROL "back", IDC_NEXT, "button", NOT WS_VISIBLE | WS_VISIBLE | BS_GROUPBOX, 0, 30, 100, 40
    CONTROL "not a child", -1, "Static", WS_CHILD | NOT WS_CHILD, 5, 50, 10, 8
    CONTROL "macro", 3010, "SysListView32", NOT PAIR | LVS_REPORT, 5, 60, 50, 30
    CONTROL "paren", 3011, "Static", (SS_RIGHT | WS_DISABLED), -(2), 2 * 3, 0x10, 010
    CONTROL "中文\t\\", 3012, "Static", 0, 0, 0, 1, 1
END

STRINGTABLE
BEGIN
    1 "not a template"
END

IDD_TWO DIALOGEX 0, 0, 50, 50
STYLE WS_CHILD | DS_CONTROL
FONT 8, "MS Shell Dlg"
BEGIN
END

1 VERSIONINFO
FILEVERSION 1, 0, 0, 0
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        BLOCK "040904b0"
        BEGIN
            VALUE "ProductName", "x"
        END
    END
END
'''


class Workspace:
    """A resource header and script in a temporary directory, removed with the workspace."""

    def __init__(self, rc, header=HEADER):
        self.dir = tempfile.TemporaryDirectory()
        self.header = os.path.join(self.dir.name, "resource.h")
        self.rc = os.path.join(self.dir.name, "test.rc")
        with open(self.header, "w", encoding="utf-8") as f:
            f.write(header)
        with open(self.rc, "w", encoding="utf-8") as f:
            f.write(rc)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.dir.cleanup()

    def parse(self):
        macros = gen.Macros()
        macros.load_header(self.header)
        return gen.parse_rc(self.rc, macros)


def parse(rc, header=HEADER):
    with Workspace(rc, header) as work:
        return work.parse()


class StyleTests(unittest.TestCase):
    def setUp(self):
        self.one, self.two = parse(SAMPLE)
        self.controls = {c.id: c for c in self.one.controls}

    def test_control_style_starts_from_child_and_visible(self):
        cases = [
            (3000, 0x50000000),  # SS_LEFT adds nothing to the default
            (3001, 0x40012000),  # NOT WS_VISIBLE hides, what follows still adds
            (3002, 0x50000007),  # NOT then OR again: visible
            (-1, 0x10000000),  # NOT WS_CHILD clears the default child bit
            (3011, 0x58000002),  # a parenthesised term is one value
        ]
        for control_id, style in cases:
            with self.subTest(control=control_id):
                self.assertEqual(self.controls[control_id].style, style)

    def test_not_applies_to_the_first_term_of_a_macro_only(self):
        # "NOT PAIR" reads as "NOT WS_BORDER | WS_TABSTOP", as the preprocessor spells it out.
        self.assertEqual(self.controls[3010].style, 0x50010001)

    def test_caption_and_font_add_their_dialog_styles(self):
        self.assertEqual(self.one.style, 0x80C800C0)  # + WS_CAPTION, DS_SETFONT
        self.assertEqual(self.one.caption, 'Caption "quoted"')
        self.assertEqual(self.two.style, 0x40000440)
        self.assertEqual((self.one.font_size, self.one.font_face), (9, "MS Shell Dlg"))

    def test_ids_rectangles_and_extended_styles_evaluate_expressions(self):
        self.assertEqual([c.id for c in self.one.controls], [3000, 3001, 3002, -1, 3010, 3011, 3012])
        self.assertEqual(self.controls[3011].rect, (-2, 6, 16, 8))
        self.assertEqual(self.controls[3001].ex_style, 0x200)
        self.assertEqual(self.controls[3000].ex_style, 0)

    def test_class_names_take_one_spelling(self):
        self.assertEqual(self.controls[3002].class_name, "Button")
        self.assertEqual(self.controls[3010].class_name, "SysListView32")

    def test_only_dialog_templates_are_read_in_script_order(self):
        self.assertEqual([d.id for d in parse(SAMPLE)], [2000, 2001])
        self.assertEqual(self.two.controls, [])

    def test_text_keeps_non_ascii_and_escapes(self):
        self.assertEqual(self.controls[3012].text, "中文\t\\")


class RefusalTests(unittest.TestCase):
    TEMPLATE = "IDD_ONE DIALOGEX 0, 0, 10, 10\nSTYLE WS_CHILD\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n%s\nEND\n"

    def assertRefused(self, rc, line, fragment):
        with Workspace(rc) as work, self.assertRaises(gen.RcError) as caught:
            work.parse()
        self.assertIn("%s:%d: error:" % (work.rc, line), str(caught.exception))
        self.assertIn(fragment, str(caught.exception))

    def test_refuses_what_it_cannot_mirror_with_file_and_line(self):
        cases = [
            (self.TEMPLATE % '    CONTROL "", 1, "Static", SS_LEFT | SS_BOGUS, 0, 0, 1, 1', 5,
             "unknown name SS_BOGUS"),
            (self.TEMPLATE % '    LTEXT "x", 1, 0, 0, 1, 1', 5, "only generic CONTROL"),
            (self.TEMPLATE % '    CONTROL "", 1, "Frobber", 0, 0, 0, 1, 1', 5, "unknown window class"),
            (self.TEMPLATE % '    CONTROL "", 1, "Static", 0, 0, 0, 1', 6, "expected ','"),
            (self.TEMPLATE % '    CONTROL "a\\x", 1, "Static", 0, 0, 0, 1, 1', 5, "unsupported escape"),
            (self.TEMPLATE % '#ifdef X\n#endif', 5, "preprocessor lines are not allowed"),
            (self.TEMPLATE % '    CONTROL "", 1, "Static", 0, 0, 0, 70000, 1', 5, "does not fit"),
            ("IDD_ONE DIALOG 0, 0, 10, 10\n", 1, "only DIALOGEX"),
            ("\n" + self.TEMPLATE.replace("IDD_ONE", "UNDEFINED") % "", 2, "is not a #define"),
            ("IDD_ONE DIALOGEX 0, 0, 10, 10\nSTYLE WS_CHILD\n", 1, "template has no END"),
            (self.TEMPLATE.replace("STYLE WS_CHILD", 'CAPTION "x"\nSTYLE WS_CHILD') % "", 2,
             "expected STYLE"),
            ("IDD_ONE DIALOGEX 0, 0, 10, 10\nSTYLE WS_CHILD\nBEGIN\nEND\n", 3, "expected CAPTION or FONT"),
            ((self.TEMPLATE % "") + (self.TEMPLATE % ""), 7, "template id 2000 is used twice"),
        ]
        for rc, line, fragment in cases:
            with self.subTest(fragment=fragment):
                self.assertRefused(rc, line, fragment)

    def test_refuses_header_lines_that_are_not_plain_defines(self):
        for header, fragment in [
            ("#define F(x) x\n", "function-like macro"),
            ("#include <windows.h>\n", "unsupported directive"),
            ("int x;\n", "only preprocessor lines"),
        ]:
            with self.subTest(fragment=fragment):
                with self.assertRaises(gen.RcError) as caught:
                    parse("", header)
                self.assertIn("resource.h:1: error:", str(caught.exception))
                self.assertIn(fragment, str(caught.exception))


class OutputTests(unittest.TestCase):
    def test_cpp_strings_escape_without_swallowing_the_next_character(self):
        cases = [
            ("plain", 'u"plain"'),
            ('a"b\\c', 'u"a\\"b\\\\c"'),
            ("\n1", 'u"\\0121"'),
            ("中a", 'u"\\u4e2da"'),
            ("\U0001F600", 'u"\\U0001f600"'),
        ]
        for text, literal in cases:
            with self.subTest(text=text):
                self.assertEqual(gen.cpp_string(text), literal)

    def test_generated_tables_follow_the_script(self):
        cpp = gen.generate_cpp(parse(SAMPLE), ["res/test.rc"])
        self.assertIn('{3001, u"Edit", u"hidden", 0x40012000u, 0x00000200u, 1, 12, 30, 12},', cpp)
        self.assertLess(cpp.index("{2000, 0x80C800C0u"), cpp.index("{2001, 0x40000440u"))
        self.assertIn('u"MS Shell Dlg", 8, {}},', cpp)  # a template without controls
        self.assertIn("const DialogTemplate* FindDialogTemplate(int id)", cpp)


WINDRES = shutil.which("x86_64-w64-mingw32-windres")


@unittest.skipUnless(WINDRES, "no MinGW windres on this machine")
class WindresTests(unittest.TestCase):
    def compile(self, work):
        res = os.path.join(work.dir.name, "test.res")
        subprocess.run([WINDRES, "-I", work.dir.name, "-O", "res", work.rc, res], check=True)
        return res

    def test_sample_matches_what_windres_compiles(self):
        with Workspace(SAMPLE) as work:
            self.assertEqual(gen.compare_with_res(work.parse(), self.compile(work)), [])

    def test_comparison_reports_a_script_that_changed(self):
        changed = parse(SAMPLE.replace("ES_NUMBER | NOT WS_VISIBLE", "ES_NUMBER"))
        with Workspace(SAMPLE) as work:
            problems = gen.compare_with_res(changed, self.compile(work))
        self.assertEqual(len(problems), 1)
        self.assertIn("control 3001 style: script 0x50012000, compiled 0x40012000", problems[0])


if __name__ == "__main__":
    unittest.main()
