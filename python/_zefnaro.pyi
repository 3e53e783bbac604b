import datetime
from typing import List, Literal, NotRequired, TypedDict

__version__: str
LARGEST_NUMBER: int

class Pieces(TypedDict):
    digits: str
    english: str
    arabic: str
    arabic_digits: str
    coptic: str
    pronunciation: str
    pronunciation_arabic: str
    numerals: str
    coptic_unicode: str
    numerals_unicode: str

class Reading(TypedDict):
    number: int
    read_as: Literal["digits", "english", "coptic", "pronunciation", "numerals", "arabic", "pronunciation_arabic"]
    ordinal: bool
    masculine: bool

class FoundNumeral(TypedDict):
    line: int
    column: int
    text: str
    number: int | str  # a fraction's is "1/3"
    ordinal: bool
    masculine: bool
    kind: Literal["numeral", "words", "mixed", "fraction"]
    denominator: NotRequired[int]  # a fraction's only

class CopticDate(TypedDict):
    gregorian: str
    weekday: str
    weekday_arabic: str
    coptic_year: int
    coptic_month: int
    coptic_day: int
    month_coptic: str
    month_font_text: str
    month_pronunciation: str
    month_english: str
    month_arabic: str
    day_numerals: str
    year_numerals: str
    day_coptic: str
    year_coptic: str
    day_pronunciation: str
    year_pronunciation: str
    observances: List[str]

class Observance(TypedDict):
    id: str
    name: str
    kind: str
    first: str
    last: str
    coptic_first: str
    coptic_last: str

Form = Literal["cardinal-masculine", "cardinal-feminine", "ordinal-masculine", "ordinal-feminine"]

def write(number: int, ordinal: bool = False, feminine: bool = False, *, form: Form | None = None) -> Pieces: ...
Language = Literal["en", "ar", "en-XA", "ar-XB"]

def read(text: str, language: Language = "en") -> Reading: ...
def find_numerals(text: str) -> List[FoundNumeral]: ...
def coptic_date(date: datetime.date, language: Language = "en") -> CopticDate: ...
def gregorian_date(year: int, month: int, day: int, language: Language = "en") -> datetime.date: ...
def easter(year: int) -> datetime.date: ...
def church_year(year: int, language: Language = "en") -> List[Observance]: ...
