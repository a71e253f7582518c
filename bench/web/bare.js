// The reference for the first paint: one canvas the size of the well, filled and framed.
const g = document.getElementById('well').getContext('2d');
g.fillStyle = '#ffffc0';
g.fillRect(0, 0, 97, 249);
g.strokeRect(0.5, 0.5, 96, 248);
performance.mark('tarvelo-well');
