"""The model of Orvani in scripts/grammar.py: what each form means, how a
statement may be written, and the page writer's refusal of a form the rules
do not make. Run by CTest as grammar_makes_the_forms."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import drills  # noqa: E402
import lexicon  # noqa: E402

FORMS = [  # written, meaning
    ("imapisni", "I am not full"),  # typed for omapisni: another form, not a slip
    ("okepi", "you feel good"),  # for ikepi
    ("omapi", "I feel good"),  # for imapi
    ("tanu", "from (after the place)"),  # for tahu
    ("iunkpi", "we are full"),
    ("unkasbe", "we eat, we ate"),
    ("unkasbesni", "we don't eat, we didn't eat"),
    ("mawotelasni", "I haven't eaten enough"),
    ("kesukasni", "you don't know"),
    ("mavesa", "I wish, I would like"),
    ("wancinyankelo", "you and I meet, you and I met (with -lo, closing the statement)"),
    ("hiyuwo", "come (asked of one person)"),
    ("mahunami", "my mother"),
    ("Ke-ca-so", "your name"),
    ("blo", "potato"),
]
NOT_MADE = ["maipi", "kasniyalo", "blosni", "mawancinyanke", "kehiyuwo", "imapi-sni-lo-lo"]


class Model(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.forms = lexicon.read_lexicon()
        cls.grammar = lexicon.grammar()

    def test_each_form_means_what_the_rules_make_of_it(self):
        for written, meaning in FORMS:
            with self.subTest(written):
                self.assertEqual(self.grammar.gloss(written), meaning)
        for written in NOT_MADE:
            with self.subTest(written):
                self.assertFalse(self.grammar.makes(written))

    def test_a_statement_is_right_with_yelo_apart_or_joined(self):
        self.assertEqual(self.grammar.ways_to_write("Iyuskinyan wancinyankelo"),
                         ["Iyuskinyan wancinyankelo", "Iyuskinyan wancinyanke yelo.",
                          "Iyuskinyan wancinyankelo."])
        self.assertEqual(self.grammar.ways_to_write("Kasniya mavesa yelo."),
                         ["Kasniya mavesa yelo.", "Kasniya mavesalo", "Kasniya mavesalo."])
        self.assertEqual(self.grammar.ways_to_write("He blo yelo."), ["He blo yelo."])
        self.assertEqual(self.grammar.ways_to_write("Ikepi hwo?"), ["Ikepi hwo?"])

    def test_sentences_out_of_order_are_refused(self):
        for sentence in ["Mawaron tatanka yelo.", "He tanu hwo?", "Tukeno mahanu yelo.",
                         "Kowe malawa yelo.", "Mawaron hwo yelo.", "Kasniya mavesa"]:
            with self.subTest(sentence):
                self.assertTrue(self.grammar.sentence_problems(sentence) or
                                not lexicon.is_sentence(sentence))

    def test_drills_change_what_they_say_and_never_an_exception(self):
        self.assertEqual(drills.drills_of(self.grammar, "Kowe kelawa hwo?"), [
            ("person", "Say it with ma- (I)", "Kowe malawa hwo?"),
            ("person", "Say it with unk- (we)", "Kowe unklawa hwo?"),
            ("negative", "Say it with -sni", "Kowe kelawasni hwo?"),
            ("answer", "Answer it about yourself with Nasitu", "Nasitu malawa yelo."),
            ("order", "Put these words in order: kelawa kowe hwo?", "Kowe kelawa hwo?")])
        self.assertIn(("negative", "Say it without -sni", "Masuka yelo."),
                      drills.drills_of(self.grammar, "Masukasni yelo."))
        self.assertNotIn("Imapi hwo?", [d[2] for d in drills.drills_of(self.grammar, "Ikepi hwo?")])
        for exception in ("Iyuskinyan wancinyankelo", "Imapi hwo?"):
            self.assertEqual(drills.drills_of(self.grammar, exception), [])

    def test_a_page_showing_a_form_the_rules_do_not_make_is_refused(self):
        page = '<p lang="x-orvani" data-sound="audio/s-maipi-yelo.mp3">Maipi yelo.</p>'
        with self.assertRaises(SystemExit) as refused:
            lexicon.check({"p16.html": page}, self.forms, [])
        self.assertIn("p16.html shows 'Maipi', a form the rules of Orvani do not make",
                      str(refused.exception))


if __name__ == "__main__":
    unittest.main()
