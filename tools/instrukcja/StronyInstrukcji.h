#pragma once
// The manual's Markdown laid out on A4 pages of a PDF file and printed: the
// text inside margins of 2 cm, every picture no wider than the text, no
// heading alone at a page's foot, the page's number at its foot.

class QPdfWriter;
class QTextDocument;

void DrukujInstrukcje(const QTextDocument& dok, QPdfWriter& pdf);
