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
import pathlib as _pathlib
import sys as _sys

from ._zefnaro import (LARGEST_NUMBER, __version__, church_year, coptic_date, easter, find_numerals,
                       gregorian_date, read, write)


def _font():
    # Beside the package where pip installed it; where the system's fonts are
    # where a Debian package or `cmake --install` did.
    for folder in (_pathlib.Path(__file__).with_name("fonts"),
                   _pathlib.Path(_sys.prefix) / "share/fonts/truetype/zefnaro"):
        if (folder / "ZefnaroCoptic-Regular.ttf").exists():
            return str(folder / "ZefnaroCoptic-Regular.ttf")
    return None


# The Zefnaro Coptic font, which draws every stroke of the numerals; None where
# this installation has none.
FONT = _font()

__all__ = ["write", "read", "find_numerals", "coptic_date", "gregorian_date", "easter", "church_year",
           "LARGEST_NUMBER", "FONT", "__version__"]
