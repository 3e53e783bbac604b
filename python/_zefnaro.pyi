from typing import List, Literal, TypedDict

__version__: str
LARGEST_NUMBER: int

class Pieces(TypedDict):
    digits: str
    english: str
    coptic: str
    pronunciation: str
    numerals: str
    coptic_unicode: str
    numerals_unicode: str

class Reading(TypedDict):
    number: int
    read_as: Literal["digits", "english", "coptic", "pronunciation", "numerals"]
    ordinal: bool
    masculine: bool

class FoundNumeral(TypedDict):
    line: int
    column: int
    text: str
    number: int
    ordinal: bool
    masculine: bool

def write(number: int, ordinal: bool = False, feminine: bool = False) -> Pieces: ...
def read(text: str) -> Reading: ...
def find_numerals(text: str) -> List[FoundNumeral]: ...
