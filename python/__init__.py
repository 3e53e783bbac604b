"""Whole numbers from 1 to 999,999,999 in Bohairic Coptic.

    >>> import zefnaro
    >>> zefnaro.write(2005)["numerals_unicode"]
    'ⲃ̿ⲉ̅'
    >>> zefnaro.read("ⲃ̿ⲉ̅")["number"]
    2005
    >>> [f["number"] for f in zefnaro.find_numerals("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ")]
    [12]
"""
from ._zefnaro import LARGEST_NUMBER, __version__, find_numerals, read, write

__all__ = ["write", "read", "find_numerals", "LARGEST_NUMBER", "__version__"]
