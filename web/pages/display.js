'use strict';
Board.run(document.getElementById('board'), document.body.dataset.kind || 'full');
