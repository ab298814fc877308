"""The product and its maker, from product.json, the one file that CMake
reads too. Pages write them as @key@: @product@, @maker@, @versionShown@
("5.0"), @webHost@ (the web address's host name), and every key of the file."""

import json
import re
from pathlib import Path
from urllib.parse import urlsplit

PRODUCT = json.loads((Path(__file__).resolve().parent.parent / "product.json").read_text())
PRODUCT["versionShown"] = ".".join(PRODUCT["version"].split(".")[:2])
PRODUCT["webHost"] = urlsplit(PRODUCT["webAddress"]).hostname


def fill_product(text):
    """`text` with each @key@ replaced by the product's value."""
    return re.sub(r"@(\w+)@", lambda m: PRODUCT[m.group(1)], text)
