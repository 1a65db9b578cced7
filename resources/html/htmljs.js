// Song pages exported by Vellorin: shows a chord's diagram while the pointer rests on the chord, and keeps
// it shown after a click or a tap until the next click elsewhere or Escape. Edit freely; exports keep this file.

var vellorinPinned = null;

function vellorinPopup() {
    var popup = document.getElementById("vellorinchord");
    if (!popup) {
        popup = document.createElement("div");
        popup.id = "vellorinchord";
        var image = document.createElement("img");
        image.alt = "";
        image.onerror = function () { popup.style.display = "none"; };
        popup.appendChild(image);
        document.body.appendChild(popup);
    }
    return popup;
}

// Shows the diagram image (a file name relative to the page) just below the chord link.
function showChord(link, image) {
    if (vellorinPinned && vellorinPinned !== link)
        vellorinPinned = null;
    var popup = vellorinPopup();
    var img = popup.firstChild;
    if (img.getAttribute("src") !== image)
        img.setAttribute("src", image);
    var box = link.getBoundingClientRect();
    popup.style.left = Math.max(0, box.left + window.scrollX) + "px";
    popup.style.top = (box.bottom + window.scrollY + 4) + "px";
    popup.style.display = "block";
}

function hideChord() {
    if (vellorinPinned)
        return;
    var popup = document.getElementById("vellorinchord");
    if (popup)
        popup.style.display = "none";
}

function vellorinUnpin() {
    vellorinPinned = null;
    hideChord();
}

document.addEventListener("click", function (event) {
    var link = event.target.closest ? event.target.closest("a.chordlink") : null;
    if (!link) {
        vellorinUnpin();
        return;
    }
    // With the script at hand a click shows the diagram in place instead of opening the image.
    event.preventDefault();
    if (vellorinPinned === link) {
        vellorinUnpin();
        return;
    }
    showChord(link, link.getAttribute("href"));
    vellorinPinned = link;
});

document.addEventListener("keydown", function (event) {
    if (event.key === "Escape")
        vellorinUnpin();
});
