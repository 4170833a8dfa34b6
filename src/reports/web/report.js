(function () {
  function key(cell) {
    var n = parseFloat(cell.textContent);
    return isNaN(n) ? cell.textContent : n;
  }
  function order(x, y) {
    if (typeof x !== typeof y) { return typeof x === 'number' ? -1 : 1; }
    return (x > y) - (y > x);
  }
  document.querySelectorAll('table.sortable').forEach(function (table) {
    table.querySelectorAll('thead th').forEach(function (th, column) {
      var button = document.createElement('button');
      button.type = 'button';
      button.textContent = th.textContent;
      th.textContent = '';
      th.appendChild(button);
      button.addEventListener('click', function () {
        var up = th.getAttribute('aria-sort') !== 'ascending';
        table.querySelectorAll('thead th').forEach(function (h) { h.removeAttribute('aria-sort'); });
        th.setAttribute('aria-sort', up ? 'ascending' : 'descending');
        var body = table.tBodies[0];
        var rows = Array.prototype.slice.call(body.rows);
        rows.sort(function (a, b) {
          var d = order(key(a.cells[column]), key(b.cells[column]));
          return up ? d : -d;
        });
        rows.forEach(function (row) { body.appendChild(row); });
      });
    });
  });
})();
