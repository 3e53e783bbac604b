"""Whole numbers from 1 to 999,999,999 in Bohairic Coptic.

    >>> import zefnaro
    >>> zefnaro.write(2005)["numerals_unicode"]
    'ⲃ̿ⲉ̅'
    >>> zefnaro.read("ⲃ̿ⲉ̅")["number"]
    2005
    >>> [f["number"] for f in zefnaro.find_numerals("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ")]
    [12]
    >>> import datetime
    >>> zefnaro.coptic_date(datetime.date(2026, 12, 8))["day_numerals"]
    'ⲕ̅ⲑ̅'
    >>> zefnaro.gregorian_date(1743, 3, 29)
    datetime.date(2026, 12, 8)
"""
from ._zefnaro import (LARGEST_NUMBER, __version__, church_year, coptic_date, easter, find_numerals,
                       gregorian_date, read, write)

__all__ = ["write", "read", "find_numerals", "coptic_date", "gregorian_date", "easter", "church_year",
           "LARGEST_NUMBER", "__version__"]
